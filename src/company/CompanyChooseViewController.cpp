#include "company/CompanyChooseViewController.h"

#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/Navigator.h"
#include "ui/RowTable.h"

#include <QLabel>
#include <QPushButton>

namespace company {

CompanyChooseViewController::CompanyChooseViewController(shell::QRMInfoAppDelegate& appDelegate)
    : m_delegate(appDelegate) {
    setScreenName(QStringLiteral("Chọn cổ phiếu"));
}

CompanyChooseViewController::~CompanyChooseViewController() = default;

QWidget* CompanyChooseViewController::loadView() {
    auto* root = new QWidget;
    root->resize(480, 320);
    shell::applyScreenBackground(root);
    QPushButton* back = shell::makeBarButton(root, QStringLiteral("◀ Trở về"), QRect(4, 3, 76, 24));
    connectNavigation(back, [this] { goBack(); });
    QLabel* title = shell::makeLabel(root, QStringLiteral("Chọn mã hiển thị"), QRect(90, 3, 300, 24), 15, true);
    title->setAlignment(Qt::AlignCenter);
    m_tbView = new ui::RowTable(root);
    m_tbView->setGeometry(0, 32, 480, 288);
    m_tbView->setSeparatorColor(Qt::darkGray);
    m_tbView->setSource(&m_rows);
    connect(m_tbView, &ui::RowTable::rowSelected, this, &CompanyChooseViewController::selectRow);
    return root;
}

void CompanyChooseViewController::viewWillAppear(bool /*animated*/) {
    view();
    m_companyCodeList = m_delegate.db()->getAllCompanyCodeList(m_marketStockId);
    m_rows.setCodes(m_companyCodeList);
    readVisibleAttrs();
}

void CompanyChooseViewController::readVisibleAttrs() {
    m_companyVisibleAttrList = m_delegate.db()->getAllCompanyVisibleAttrList(m_marketStockId);
    m_rows.setVisibleAttrs(m_companyVisibleAttrList);
    m_tbView->reload();
}

void CompanyChooseViewController::selectRow(int row) {
    const QString code = m_rows.codeAt(row);
    if (code.isEmpty()) {
        return;
    }
    m_delegate.db()->updateVisibleAttr(code, m_rows.isChecked(row) ? QStringLiteral("0") : QStringLiteral("1"));
    readVisibleAttrs();
    m_tbView->selectRow(-1);
}

void CompanyChooseViewController::goBack() {
    m_delegate.navigator().pop(true);
}

} // namespace company

#include "company/DirectoryWarningViewController.h"

#include "company/DirectoryWarningRecords.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/RowTable.h"

#include <QLabel>

namespace company {

namespace {

const QString kTitle = QStringLiteral("Cảnh báo giá");
constexpr int kHeaderY = 36;
constexpr int kTableTop = 58;

void addColumnTitle(QWidget* root, const QString& text, int x, int width, Qt::Alignment alignment) {
    QLabel* label = shell::makeLabel(root, text, QRect(x, kHeaderY, width, 20), 12);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("color: #9aa7b8; background: transparent;"));
}

} // namespace

DirectoryWarningViewController::DirectoryWarningViewController(shell::QRMInfoAppDelegate& appDelegate)
    : BarScreen(appDelegate, kTitle) {
    setScreenName(QStringLiteral("Cảnh báo giá"));
    setTitle(kTitle);
}

DirectoryWarningViewController::~DirectoryWarningViewController() = default;

void DirectoryWarningViewController::open(shell::QRMInfoAppDelegate& appDelegate, const QByteArray& data) {
    auto screen = std::make_unique<DirectoryWarningViewController>(appDelegate);
    screen->setData(data);
    appDelegate.pushTransient(std::move(screen), false);
}

void DirectoryWarningViewController::buildContent(QWidget* root) {
    const QStringList headings = DirectoryWarningRows::headings();
    addColumnTitle(root, headings.at(0), 20, 120, Qt::AlignLeft);
    addColumnTitle(root, headings.at(1), 135, 50, Qt::AlignRight);
    addColumnTitle(root, headings.at(2), 210, 60, Qt::AlignRight);
    addColumnTitle(root, headings.at(3), 280, 140, Qt::AlignRight);
    m_tbView = new ui::RowTable(root);
    m_tbView->setGeometry(0, kTableTop, 480, 320 - kTableTop);
    m_tbView->setSeparatorColor(Qt::darkGray);
    m_tbView->setSource(&m_rows);
    m_rows.setPalette(&appDelegate().palette());
    ui::repaintOnChange(appDelegate().palette(), m_tbView->viewport());
}

void DirectoryWarningViewController::viewWillAppear(bool /*animated*/) {
    parse_data();
    // The categories may have changed since the list opened this screen.
    appDelegate().db()->getDirList(m_dirListName, m_dirListId);
    reloadTable();
}

void DirectoryWarningViewController::parse_data() {
    if (m_data.isEmpty()) {
        return;
    }
    // Read afresh each time, so showing the screen again does not list a warning twice.
    m_warningArr = readWarningRecords(m_data);
    reloadTable();
}

void DirectoryWarningViewController::reloadTable() {
    std::vector<DirectoryWarningRow> rows;
    rows.reserve(static_cast<std::size_t>(m_warningArr.size()));
    myDb& db = *appDelegate().db();
    for (const QString& record : m_warningArr) {
        const QStringList holding = db.getPortfolioFromPortDataId(warningHoldingId(record));
        rows.push_back(makeWarningRow(record, holding.value(0)));
    }
    m_rows.setRows(std::move(rows));
    if (m_tbView != nullptr) {
        m_tbView->reload();
    }
}

} // namespace company

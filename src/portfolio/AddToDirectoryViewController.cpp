#include "portfolio/AddToDirectoryViewController.h"

#include "core/PortfolioAnswer.h"
#include "net/AnswerReader.h"
#include "portfolio/FormRules.h"
#include "shell/FormFields.h"
#include "shell/LoginViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenMenu.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace portfolio {

namespace {

const QString kNotUpdated = QStringLiteral("Không cập nhật được dữ liệu!");
const QString kUpdated = QStringLiteral("Đã câp nhật!");
constexpr int kListRowHeight = 30;
constexpr int kFieldLeft = 116;

} // namespace

AddToDirectoryViewController::AddToDirectoryViewController(shell::QRMInfoAppDelegate& appDelegate)
    : BarScreen(appDelegate, QStringLiteral("Danh mục"))
    , m_request(appDelegate, *this) {
    setScreenName(QStringLiteral("Mã trong danh mục"));
}

AddToDirectoryViewController::~AddToDirectoryViewController() = default;

// ---- layout ----------------------------------------------------------------------------------

void AddToDirectoryViewController::buildContent(QWidget* root) {
    m_lbCode = shell::makeLabel(root, QString(), QRect(20, 38, 90, 28), 18, true);
    shell::setTextColor(m_lbCode, QColor(0xf0, 0xc0, 0x40));
    m_lbSuaDanhmuc =
        shell::makeLabel(root, QStringLiteral("Sửa mã CK trong danh mục"), QRect(kFieldLeft, 40, 300, 24), 13);
    shell::setTextColor(m_lbSuaDanhmuc, QColor(0x9a, 0xa7, 0xb8));
    m_txtPortfolio = addField(root, QStringLiteral("Danh mục"), QRect(kFieldLeft, 70, 300, 30), 92);
    m_txtPortfolio->setMaxLength(60);
    m_btCategories = shell::makeBarButton(root, QStringLiteral("▼"), QRect(420, 70, 44, 30));
    connect(m_btCategories, &QPushButton::clicked, this, &AddToDirectoryViewController::toggleCategoryList);
    m_txtPrice = addField(root, QStringLiteral("Giá mua"), QRect(kFieldLeft, 108, 110, 30), 92);
    m_txtQuantity = addField(root, QStringLiteral("Khối lượng"), QRect(354, 108, 110, 30), 100);
    m_txtUp = addField(root, QStringLiteral("Ngưỡng trên"), QRect(kFieldLeft, 146, 110, 30), 92);
    m_txtDown = addField(root, QStringLiteral("Ngưỡng dưới"), QRect(354, 146, 110, 30), 100);
    m_txtFee = addField(root, QStringLiteral("Phí (%)"), QRect(kFieldLeft, 184, 110, 30), 92);
    acceptNumbersOnly(m_txtPrice, true);
    acceptNumbersOnly(m_txtQuantity, false);
    acceptNumbersOnly(m_txtUp, true);
    acceptNumbersOnly(m_txtDown, true);
    acceptNumbersOnly(m_txtFee, true);
    QLabel* hint = shell::makeLabel(
        root, QStringLiteral("Ngưỡng trên, dưới: khoảng giá tính từ giá mua; để trống ngưỡng dưới nếu không cần."),
        QRect(20, 220, 444, 34), 11);
    hint->setWordWrap(true);
    shell::setTextColor(hint, QColor(0x9a, 0xa7, 0xb8));
    QPushButton* send = shell::makeBarButton(root, QStringLiteral("Cập nhật"), QRect(kFieldLeft, 264, 348, 32));
    connect(send, &QPushButton::clicked, this, &AddToDirectoryViewController::addCode);
    m_tbView = new shell::ScreenMenu(root, kListRowHeight);
    connect(m_tbView, &shell::ScreenMenu::rowChosen, this, &AddToDirectoryViewController::chooseCategory);
    m_formFields = new shell::FormFields(root, appDelegate().platform().hasOnScreenKeyboard);
    m_formFields->setFields({m_txtPortfolio, m_txtPrice, m_txtQuantity, m_txtUp, m_txtDown, m_txtFee}, send);
    // Return also closes the category list, which would otherwise cover the next fields.
    for (QLineEdit* field : m_formFields->fields()) {
        connect(field, &QLineEdit::returnPressed, m_tbView, &shell::ScreenMenu::hide);
    }
}

QLineEdit* AddToDirectoryViewController::addField(QWidget* root, const QString& caption, const QRect& frame,
                                                  int captionWidth) {
    shell::makeLabel(root, caption, QRect(frame.x() - captionWidth - 4, frame.y(), captionWidth, frame.height()), 13,
                     true)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return shell::makeField(root, QString(), frame);
}

// ---- showing ---------------------------------------------------------------------------------

void AddToDirectoryViewController::setHolding(const HoldingDraft& draft, bool editMode) {
    m_draft = draft;
    m_editMode = editMode;
}

void AddToDirectoryViewController::viewWillAppear(bool /*animated*/) {
    view();
    m_lbCode->setText(m_draft.code);
    m_txtQuantity->setText(m_draft.quantity);
    m_txtPrice->setText(m_draft.price);
    m_txtUp->setText(m_draft.up);
    m_txtDown->setText(m_draft.down);
    m_txtFee->setText(m_draft.fee);
    m_tbView->hide();
    startLoad();
    // A known category is fixed: the form then only adds to it or edits in it.
    const qsizetype known = m_dirListId.indexOf(m_draft.categoryId);
    const bool fixed = !m_draft.categoryId.isEmpty() && known >= 0;
    if (fixed) {
        m_txtPortfolio->setText(m_dirListName.at(known));
    }
    m_txtPortfolio->setEnabled(!fixed);
    m_btCategories->setEnabled(!fixed);
    m_lbSuaDanhmuc->setVisible(m_editMode);
}

// A fixed category field is disabled, so the focus then starts on the price.
void AddToDirectoryViewController::viewDidAppear(bool /*animated*/) {
    m_formFields->focusFirst();
}

void AddToDirectoryViewController::viewWillDisappear(bool /*animated*/) {
    m_formFields->lower();
}

void AddToDirectoryViewController::startLoad() {
    appDelegate().db()->getDirList(m_dirListName, m_dirListId);
}

void AddToDirectoryViewController::toggleCategoryList() {
    if (m_tbView->isShowing()) {
        m_tbView->hide();
        return;
    }
    startLoad();
    if (m_dirListName.isEmpty()) {
        appDelegate().alerts().tell(QStringLiteral("Chưa có danh mục nào: nhập tên để tạo danh mục mới."));
        return;
    }
    const int height = std::min(kListRowHeight * int(m_dirListName.size()) + 2, 180);
    m_tbView->showRows(m_dirListName, QRect(kFieldLeft, 100, 300, height));
}

void AddToDirectoryViewController::chooseCategory(int row) {
    if (row < 0 || row >= m_dirListId.size()) {
        return;
    }
    m_txtPortfolio->setText(m_dirListName.at(row));
    m_draft.categoryId = m_dirListId.at(row);
}

// ---- sending ---------------------------------------------------------------------------------

net::HoldingValues AddToDirectoryViewController::holdingValues() const {
    return {m_draft.companyId, m_txtPrice->text(), m_txtQuantity->text(),
            m_txtUp->text(),   m_txtDown->text(),  m_txtFee->text()};
}

void AddToDirectoryViewController::addCode() {
    shell::QRMInfoAppDelegate& app = appDelegate();
    if (!app.isAuthenticated()) {
        app.navigator().push(app.loginViewController(), true);
        return;
    }
    for (const QLineEdit* field : {m_txtPortfolio, m_txtPrice, m_txtQuantity, m_txtUp, m_txtFee}) {
        if (field->text().isEmpty()) {
            appDelegate().alerts().tell(QStringLiteral("Xin nhập đủ dữ liệu!"));
            return;
        }
    }
    const QString url = requestUrl();
    if (url.isEmpty()) {
        return;
    }
    m_request.send(kRequestKind, url);
}

// The category is found by its exact name; a name the store does not know asks the service for a
// new category, unless the answer format could not carry it back.
QString AddToDirectoryViewController::requestUrl() {
    const net::Endpoints& endpoints = appDelegate().endpoints();
    if (m_editMode) {
        return endpoints.editHolding(m_draft.holdingId, m_draft.categoryId, holdingValues());
    }
    startLoad();
    const QString name = m_txtPortfolio->text();
    const qsizetype known = m_dirListName.indexOf(name);
    if (known >= 0) {
        m_draft.categoryId = m_dirListId.at(known);
        return endpoints.addHolding(m_draft.categoryId, holdingValues());
    }
    if (const QString refusal = categoryNameRefusal(name); !refusal.isEmpty()) {
        appDelegate().alerts().tell(refusal);
        return {};
    }
    return endpoints.addHoldingWithCategory(name, holdingValues());
}

// ---- answers ---------------------------------------------------------------------------------

void AddToDirectoryViewController::DidFinishRequest(std::optional<QByteArray> data) {
    if (!data) {
        appDelegate().showConnectionError();
        return;
    }
    const net::Answer answer = net::readAnswer(*data);
    if (m_editMode) {
        handleEditAnswer(answer);
    } else {
        handleAddAnswer(answer);
    }
}

// Only a success writes the holding, with the form's values; a refusal keeps the form and what
// was typed.
void AddToDirectoryViewController::handleEditAnswer(const net::Answer& answer) {
    if (!answer.isSuccess()) {
        appDelegate().alerts().tell(kNotUpdated);
        return;
    }
    appDelegate().db()->updatePorfilioData(m_draft.categoryId, m_draft.holdingId, m_draft.companyId, m_txtPrice->text(),
                                           m_txtQuantity->text(), m_txtUp->text(), m_txtDown->text(), m_txtFee->text());
    appDelegate().alerts().tell(kUpdated);
    leaveIfShown();
}

void AddToDirectoryViewController::handleAddAnswer(const net::Answer& answer) {
    if (answer.headerFieldCount() < 2) {
        appDelegate().alerts().tell(kNotUpdated);
        return;
    }
    if (!answer.isSuccess()) {
        appDelegate().alerts().tell(kNotUpdated);
        leaveIfShown();
        return;
    }
    core::storePortfolioRecords(*appDelegate().db(), answer);
    appDelegate().alerts().tell(kUpdated);
    leaveIfShown();
}

} // namespace portfolio

#include "portfolio/DirectoryMenuViewController.h"

#include "core/PortfolioAnswer.h"
#include "net/AnswerReader.h"
#include "portfolio/DirectoryAddViewController.h"
#include "portfolio/PortfolioScreens.h"
#include "shell/ActivityIndicator.h"
#include "shell/ContextMenuViewController.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenStyle.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"
#include "ui/RowTable.h"

#include <QLabel>
#include <QPushButton>

namespace portfolio {

namespace {

constexpr int kTableTop = 60;
constexpr int kTableHeight = 200;
const QString kChooseCategory = QStringLiteral("Xin chọn danh mục để thao tác!");

} // namespace

DirectoryMenuViewController::DirectoryMenuViewController(shell::QRMInfoAppDelegate& appDelegate)
    : BarScreen(appDelegate, QStringLiteral("Danh mục"))
    , m_request(appDelegate, *this) {
    setScreenName(QStringLiteral("Danh mục đầu tư"));
}

DirectoryMenuViewController::~DirectoryMenuViewController() = default;

// ---- layout ----------------------------------------------------------------------------------

void DirectoryMenuViewController::buildContent(QWidget* root) {
    auto* indicator = new shell::ActivityIndicator(appDelegate().scheduler(), root);
    indicator->setGeometry(296, 9, 18, 18);
    m_request.setIndicator(indicator);
    m_lbUser = shell::makeLabel(root, QString(), QRect(8, 36, 240, 20), 12, true);
    m_lbDate = shell::makeLabel(root, QString(), QRect(250, 36, 222, 20), 12);
    m_lbDate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_tbView = new ui::RowTable(root);
    m_tbView->setGeometry(0, kTableTop, 480, kTableHeight);
    m_tbView->setSeparatorColor(Qt::darkGray);
    m_tbView->setSource(&m_rows);
    m_tbView->setDetailFrom(CategoryRows::kDetailFrame.x());
    connect(m_tbView, &ui::RowTable::rowSelected, this, &DirectoryMenuViewController::selectRow);
    connect(m_tbView, &ui::RowTable::detailRequested, this, &DirectoryMenuViewController::goDirectoryDetail);
    connect(m_tbView, &ui::RowTable::deleteRequested, this, [this](int row) {
        selectRow(row);
        deleteDir();
    });
    connect(m_tbView, &ui::RowTable::moveRequested, this,
            [this](int row) { openForm(true, m_dirListId.value(row), m_dirListName.value(row)); });
    buildBottomBar(root);
}

void DirectoryMenuViewController::buildBottomBar(QWidget* root) {
    shell::ButtonRow row(root, 288, 11);
    connect(row.add(QStringLiteral("Tải lại"), 62), &QPushButton::clicked, this,
            &DirectoryMenuViewController::confirmUpdate);
    connectNavigation(row.add(QStringLiteral("Tạo mới"), 66), [this] { viewDirAdd(); });
    connectNavigation(row.add(QStringLiteral("Đổi tên"), 66), [this] { goEditDir(); });
    connect(row.add(QStringLiteral("Xóa"), 54), &QPushButton::clicked, this,
            &DirectoryMenuViewController::confirmDeleteDir);
    m_btEdit = row.add(QStringLiteral("Sửa bảng"), 74);
    connect(m_btEdit, &QPushButton::clicked, this, &DirectoryMenuViewController::toggleEdit);
    connect(row.add(QStringLiteral("Đăng xuất"), row.room()), &QPushButton::clicked, this,
            &DirectoryMenuViewController::logOut);
}

// ---- appearance ------------------------------------------------------------------------------

void DirectoryMenuViewController::viewWillAppear(bool /*animated*/) {
    view();
    if (m_iScreen != 1) {
        m_pId = kNoCategory;
        m_pName.clear();
    }
    m_lbUser->setText(appDelegate().userLabelText());
    m_lbDate->setText(appDelegate().dateFromDay(appDelegate().currentDay()));
    if (appDelegate().isAuthenticated()) {
        m_loginAsked = false;
        startLoad();
        reloadTable();
    }
}

// Navigation waits until the screen is shown: the login screen, or the category another screen
// asked for. A user who comes back from the login screen without logging in leaves the list.
void DirectoryMenuViewController::viewDidAppear(bool /*animated*/) {
    if (!appDelegate().isAuthenticated()) {
        if (m_loginAsked) {
            m_loginAsked = false;
            appDelegate().navigator().pop(true);
            return;
        }
        askLogin();
        return;
    }
    if (m_iScreen == 1) {
        m_iScreen = 0;
        gotoScreen(1);
    }
}

void DirectoryMenuViewController::askLogin() {
    m_loginAsked = true;
    appDelegate().mainViewController()->goLogin();
}

void DirectoryMenuViewController::reloadScreen() {
    confirmUpdate();
}

// ---- the list --------------------------------------------------------------------------------

void DirectoryMenuViewController::startLoad() {
    appDelegate().db()->getDirList(m_dirListName, m_dirListId);
}

void DirectoryMenuViewController::reloadTable() {
    view();
    m_rows.setNames(m_dirListName);
    m_tbView->reload();
}

void DirectoryMenuViewController::load_Directory() {
    if (appDelegate().session().isEmpty()) {
        askLogin();
        return;
    }
    m_request.send(kListRequest, appDelegate().endpoints().categoryList());
}

bool DirectoryMenuViewController::isRequestOutstanding() const {
    return m_request.isOutstanding();
}

void DirectoryMenuViewController::confirmUpdate() {
    m_alertType = QStringLiteral("UPDATE");
    appDelegate().alerts().ask(QStringLiteral("Cập nhật danh sách danh mục!"),
                               [this](int index) { alertButtonClicked(index); });
}

void DirectoryMenuViewController::confirmDeleteDir() {
    if (m_pName.isEmpty()) {
        appDelegate().alerts().tell(QStringLiteral("Xin chọn danh mục cần xóa"));
        return;
    }
    m_alertType = QStringLiteral("DELETE");
    appDelegate().alerts().ask(QStringLiteral("Xóa danh mục: %1 !").arg(m_pName),
                               [this](int index) { alertButtonClicked(index); });
}

void DirectoryMenuViewController::alertButtonClicked(int index) {
    m_tbView->selectRow(-1);
    if (index != 1) {
        return;
    }
    if (m_alertType == QLatin1String("UPDATE")) {
        load_Directory();
    } else if (m_alertType == QLatin1String("DELETE")) {
        deleteDir();
    }
}

void DirectoryMenuViewController::deleteDir() {
    m_request.send(kDeleteRequest, appDelegate().endpoints().deleteCategory(m_pId));
}

void DirectoryMenuViewController::toggleEdit() {
    view();
    m_tbView->setEditing(!m_tbView->isEditing());
    m_btEdit->setText(m_tbView->isEditing() ? QStringLiteral("Xong") : QStringLiteral("Sửa bảng"));
    reloadTable();
}

// ---- choosing and opening --------------------------------------------------------------------

void DirectoryMenuViewController::selectRow(int row) {
    m_pId = kNoCategory;
    if (row >= 0 && row < m_dirListId.size()) {
        m_pId = m_dirListId.at(row);
        m_pName = m_dirListName.at(row);
    }
}

bool DirectoryMenuViewController::hasChosenRow() const {
    return m_pId != kNoCategory;
}

void DirectoryMenuViewController::goDirectoryDetail(int row) {
    selectRow(row);
    if (hasChosenRow()) {
        gotoScreen(1);
    }
}

void DirectoryMenuViewController::gotoScreen(int screen) {
    PortfolioScreen* target = holdingsScreen(appDelegate(), screen);
    if (!target) {
        return;
    }
    target->setCategory(m_pId, m_pName);
    ui::Navigator& navigator = appDelegate().navigator();
    if (navigator.topController() == target) {
        target->loadData();
        return;
    }
    if (dynamic_cast<PortfolioScreen*>(navigator.topController()) != nullptr) {
        navigator.replaceTop(target, false);
        return;
    }
    navigator.push(target, screen == 1);
}

void DirectoryMenuViewController::viewDirAdd() {
    openForm(false, QString(), QString());
}

void DirectoryMenuViewController::goEditDir() {
    if (!hasChosenRow()) {
        appDelegate().alerts().tell(kChooseCategory);
        return;
    }
    const QString id = m_pId;
    m_tbView->selectRow(-1);
    m_pId = kNoCategory;
    openForm(true, id, m_pName);
}

// A new category starts from an empty name; a rename from the category's own.
void DirectoryMenuViewController::openForm(bool editMode, const QString& id, const QString& name) {
    auto* form = appDelegate().cachedScreen<DirectoryAddViewController>();
    form->setEditMode(editMode);
    form->setPId(id);
    form->setPName(name);
    appDelegate().navigator().push(form, true);
}

// ---- menus -----------------------------------------------------------------------------------

void DirectoryMenuViewController::goMenu() {
    appDelegate().menu()->showOver(this, QStringLiteral("DIRMENU"), view());
}

void DirectoryMenuViewController::menuContextCallBack(int item) {
    if (appDelegate().session().isEmpty()) {
        askLogin();
        return;
    }
    switch (item) {
    case 0:
        confirmUpdate();
        break;
    case 1:
        viewDirAdd();
        break;
    case 2:
        goEditDir();
        break;
    case 3:
        if (hasChosenRow()) {
            confirmDeleteDir();
        } else {
            appDelegate().alerts().tell(kChooseCategory);
        }
        break;
    case 4:
        // The session ends; the saved user stays for the next login.
        appDelegate().endSession();
        appDelegate().navigator().popToRoot(true);
        break;
    default:
        break;
    }
}

void DirectoryMenuViewController::logOut() {
    if (!appDelegate().isAuthenticated()) {
        return;
    }
    m_lbUser->clear();
    appDelegate().logout();
    appDelegate().navigator().popToRoot(true);
}

// ---- answers ---------------------------------------------------------------------------------

void DirectoryMenuViewController::DidFinishRequest(std::optional<QByteArray> data) {
    const int kind = m_request.finish();
    m_tbView->selectRow(-1);
    if (!data) {
        appDelegate().showConnectionError();
        return;
    }
    if (kind == kDeleteRequest) {
        processDel(*data);
    } else if (kind == kListRequest) {
        processLoad_Directory(*data);
    }
}

void DirectoryMenuViewController::processLoad_Directory(const QByteArray& data) {
    const net::Answer answer = net::readAnswer(data);
    if (answer.headerFieldCount() < 3) {
        return;
    }
    if (!answer.isSuccess()) {
        appDelegate().alerts().tell(
            core::refusalText(answer, QStringLiteral("Không cập nhật được danh sách danh mục!")));
        return;
    }
    core::replacePortfolioRecords(*appDelegate().db(), answer);
    startLoad();
    reloadTable();
}

// An answer that says neither yes nor no (no status, or a refusal without its message) is a
// failed delete: the category stays.
void DirectoryMenuViewController::processDel(const QByteArray& data) {
    const net::Answer answer = net::readAnswer(data);
    if (!answer.isSuccess()) {
        appDelegate().alerts().tell(core::refusalText(answer, QStringLiteral("Không xóa được danh mục!")));
        reloadTable();
        return;
    }
    appDelegate().db()->removePorfilio(m_pId);
    startLoad();
    reloadTable();
}

} // namespace portfolio

#include "shell/ContextMenuViewController.h"

#include "shell/ContextMenuParent.h"
#include "shell/LoginViewController.h"
#include "shell/MainViewController.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/RegisterViewController.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Fonts.h"
#include "ui/Navigator.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

namespace shell {

namespace {

const QString kListDir = QStringLiteral("LIST_DIR");
const QString kListDirMore = QStringLiteral("LIST_DIR_MORE");
const QString kListDirMoreWatchList = QStringLiteral("LIST_DIR_MORE_WATCHLIST");
const QString kNewCategory = QStringLiteral("Tạo mới danh mục");
constexpr int kPanelX = 270;
constexpr int kPanelWidth = 200;
constexpr int kMainListY = 30;

QStringList companyItems() {
    return {QStringLiteral("Danh mục"), QStringLiteral("Thêm vào danh mục"),
            QStringLiteral("Thêm vào danh sách theo dõi"), QStringLiteral("Danh sách theo dõi")};
}

QString loginItem(bool loggedIn) {
    return loggedIn ? QStringLiteral("Đăng xuất") : QStringLiteral("Đăng nhập");
}

// Closes the menu when the dimmed area around the lists is touched.
class Backdrop final : public QWidget {
public:
    Backdrop(QWidget* parent, std::function<void()> onTouch)
        : QWidget(parent)
        , m_onTouch(std::move(onTouch)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        event->accept();
        m_onTouch();
    }

private:
    std::function<void()> m_onTouch;
};

QListWidget* makeMenuList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setFont(ui::systemFont(14));
    list->setFocusPolicy(Qt::NoFocus);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setStyleSheet(QStringLiteral(
        "QListWidget { background: #f4f8fc; color: rgb(0,36,102); border: 1px solid rgb(173,216,230);"
        " border-radius: 6px; outline: none; }"
        "QListWidget::item { height: 26px; padding-left: 12px; border-bottom: 1px solid rgb(173,216,230); }"
        "QListWidget::item:selected { background: #cfe3f7; color: rgb(0,36,102); }"));
    return list;
}

} // namespace

ContextMenuViewController::ContextMenuViewController(QRMInfoAppDelegate& appDelegate)
    : m_appDelegate(appDelegate) {
    setScreenName(QStringLiteral("Trình đơn"));
}

ContextMenuViewController::~ContextMenuViewController() = default;

QWidget* ContextMenuViewController::loadView() {
    auto* root = new Backdrop(nullptr, [this] { goBack(); });
    root->resize(480, 320);
    root->setAttribute(Qt::WA_StyledBackground);
    root->setStyleSheet(QStringLiteral("background: rgba(0,0,0,120);"));
    m_root = root;
    auto* panel = new QWidget(root);
    panel->setGeometry(kPanelX, 0, kPanelWidth, 320);
    panel->setStyleSheet(QStringLiteral("background: transparent;"));
    m_tbView = makeMenuList(panel);
    m_tbSubView = makeMenuList(panel);
    connect(m_tbView, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { selectMenuRow(m_tbView->row(item)); });
    connect(m_tbSubView, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { selectSubMenuRow(m_tbSubView->row(item)); });
    return root;
}

void ContextMenuViewController::viewDidLoad() {
    buildMenu(m_parentContext);
    m_tbSubView->hide();
    m_subTableType.clear();
    setTableHeight();
}

void ContextMenuViewController::showOver(ContextMenuParent* parent, const QString& mode, QWidget* parentView) {
    m_parentContext = mode;
    m_parentDelegate = parent;
    QWidget* root = view();
    buildMenu(mode);
    setTableHeight();
    root->setParent(parentView);
    root->setGeometry(0, 0, parentView->width(), parentView->height());
    root->show();
    root->raise();
    // Installed again on each opening, so that it runs before the window's screen keys.
    parentView->window()->installEventFilter(this);
}

// Escape closes the menu, as a tap beside it does; the screen beneath keeps its place. An alert
// over the menu still takes its own keys.
bool ContextMenuViewController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isShowing() && !m_appDelegate.alerts().isShowing() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        goBack();
        return true;
    }
    return ui::ViewController::eventFilter(watched, event);
}

void ContextMenuViewController::buildMenu(const QString& mode) {
    view();
    m_tbView->clearSelection();
    m_tbSubView->clearSelection();
    const bool loggedIn = m_appDelegate.isAuthenticated();
    if (mode == QLatin1String("DIRMENU")) {
        m_menuText = {QStringLiteral("Cập nhật dữ liệu"), kNewCategory, QStringLiteral("Sửa danh mục"),
                      QStringLiteral("Xóa danh mục"), loginItem(loggedIn)};
    } else if (mode == QLatin1String("DSMACK") || mode == QLatin1String("COM_KQGD")) {
        m_menuText = companyItems();
    } else if (mode == QLatin1String("WATCHLIST")) {
        m_menuText = {QStringLiteral("Danh mục"), QStringLiteral("Thêm vào danh mục"),
                      QStringLiteral("Xóa CK vào khỏi danh sách theo dõi")};
    } else if (mode == QLatin1String("PORTDATASCREEN")) {
        m_menuText = {QStringLiteral("Danh mục"), QStringLiteral("Xóa mã CK khỏi danh mục"),
                      QStringLiteral("Sửa mã CK trong danh mục"), QStringLiteral("Theo dõi Chứng khoán"),
                      QStringLiteral("Thêm vào Theo dõi Chứng khoán")};
    } else {
        m_menuText = {QStringLiteral("Cập nhật dữ liệu"),
                      QStringLiteral("Trang chủ"),
                      QStringLiteral("Tin tức"),
                      QStringLiteral("Theo dõi Chứng khoán"),
                      QStringLiteral("Danh mục"),
                      QStringLiteral("Cấu hình"),
                      loginItem(loggedIn)};
    }
    fillList(m_tbView, m_menuText);
}

void ContextMenuViewController::fillList(QListWidget* list, const QStringList& rows) {
    list->clear();
    for (const QString& text : rows) {
        auto* item = new QListWidgetItem(QStringLiteral("%1").arg(text), list);
        item->setSizeHint(QSize(kPanelWidth - 4, kRowHeight));
    }
}

void ContextMenuViewController::setTableHeight() {
    view();
    m_tbView->setGeometry(0, kMainListY, kPanelWidth, kRowHeight * static_cast<int>(m_menuText.size()) + 4);
    m_tbView->show();
    m_tbSubView->hide();
}

void ContextMenuViewController::loadSubMenu() {
    m_appDelegate.db()->getDirList(m_dirListName, m_dirListId);
    m_subMenuText = m_dirListName;
    if (m_subTableType == kListDirMore || m_subTableType == kListDirMoreWatchList) {
        m_subMenuText.append(kNewCategory);
    }
    m_tbView->hide();
    fillList(m_tbSubView, m_subMenuText);
    setSubTableHeight();
}

void ContextMenuViewController::setSubTableHeight() {
    const int height = std::min(kRowHeight * static_cast<int>(m_subMenuText.size()), kMaxSubListHeight);
    const int y = m_subTableType == kListDir ? 50 : 70;
    m_tbSubView->setGeometry(0, y, kPanelWidth, height);
    m_tbSubView->show();
}

void ContextMenuViewController::openSubMenu(const QString& kind) {
    m_subTableType = kind;
    loadSubMenu();
}

void ContextMenuViewController::goLogin() {
    if (m_parentDelegate) {
        m_appDelegate.navigator().push(m_appDelegate.loginViewController(), true);
    }
}

void ContextMenuViewController::goToRegister() {
    if (m_parentDelegate) {
        m_appDelegate.navigator().push(m_appDelegate.registerViewController(), true);
    }
}

void ContextMenuViewController::goBack() {
    if (isViewLoaded()) {
        view()->hide();
        view()->setParent(nullptr);
    }
}

void ContextMenuViewController::selectMenuRow(int row) {
    if (!m_parentDelegate || row < 0 || row >= m_menuText.size()) {
        return;
    }
    m_tbSubView->hide();
    ContextMenuParent* parent = m_parentDelegate;
    const bool loggedIn = m_appDelegate.isAuthenticated();
    const QString& mode = m_parentContext;
    if (mode == QLatin1String("DIRMENU")) {
        parent->menuContextCallBack(row);
        goBack();
    } else if (mode == QLatin1String("DSMACK") || mode == QLatin1String("COM_KQGD") ||
               mode == QLatin1String("WATCHLIST")) {
        const bool watchList = mode == QLatin1String("WATCHLIST");
        if (row == 0) {
            openSubMenu(kListDir);
        } else if (row == 1 && loggedIn) {
            openSubMenu(watchList ? kListDirMoreWatchList : kListDirMore);
        } else if (row == 1) {
            goBack();
            if (mode == QLatin1String("COM_KQGD")) {
                Q_EMIT companyLoginRequested();
            }
            goLogin();
        } else {
            parent->menuContextCallBack(row);
            goBack();
        }
    } else if (mode == QLatin1String("PORTDATASCREEN")) {
        if (row == 0) {
            openSubMenu(kListDir);
        } else {
            goBack();
            if (!m_appDelegate.session().isEmpty()) {
                parent->menuContextCallBack(row);
            } else {
                goLogin();
            }
        }
    } else {
        selectInGeneralMode(row);
    }
}

void ContextMenuViewController::selectInGeneralMode(int row) {
    ContextMenuParent* parent = m_parentDelegate;
    goBack();
    if (row == m_menuText.size() - 1) {
        if (m_appDelegate.isAuthenticated()) {
            m_appDelegate.logout();
        } else {
            goLogin();
        }
        return;
    }
    parent->menuContextCallBack(row);
}

void ContextMenuViewController::selectSubMenuRow(int row) {
    ContextMenuParent* parent = m_parentDelegate;
    goBack();
    if (parent) {
        parent->subMenuContextCallBack(row);
    }
}

bool ContextMenuViewController::isShowing() const {
    return m_root && m_root->parentWidget() != nullptr;
}

bool ContextMenuViewController::isSubMenuShowing() const {
    return m_tbSubView && !m_tbSubView->isHidden();
}

int ContextMenuViewController::menuTableHeight() const {
    return m_tbView ? m_tbView->height() - 4 : 0;
}

int ContextMenuViewController::subMenuTableHeight() const {
    return m_tbSubView ? m_tbSubView->height() : 0;
}

int ContextMenuViewController::subMenuTableY() const {
    return m_tbSubView ? m_tbSubView->y() : 0;
}

} // namespace shell

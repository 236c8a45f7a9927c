#include "shell/StockActions.h"

#include "shell/ContextMenuViewController.h"
#include "shell/LoginViewController.h"
#include "shell/MainViewController.h"
#include "shell/PortfolioRoutes.h"
#include "shell/QRMInfoAppDelegate.h"
#include "shell/ScreenMenu.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Navigator.h"

namespace shell {

namespace {

constexpr int kMenuBottom = 265;
constexpr int kMenuWidth = 200;
constexpr int kMaxMenuHeight = 189;
constexpr int kActionRowHeight = 27;
const QString kNewCategory = QStringLiteral("Tạo mới danh mục");

QStringList actionRows() {
    return {QStringLiteral("Danh mục"), QStringLiteral("Thêm vào Danh mục"), QStringLiteral("Theo dõi CK"),
            QStringLiteral("Thêm vào Theo dõi CK")};
}

} // namespace

void askAddToWatchList(QRMInfoAppDelegate& app, const QString& code) {
    ui::Alerts& alerts = app.alerts();
    if (code.isEmpty()) {
        alerts.tell(StockActions::kNoCode);
        return;
    }
    alerts.ask(QStringLiteral("Thêm mã CK %1 vào danh sách theo dõi").arg(code), [&app, &alerts, code](int index) {
        if (index != 1) {
            return;
        }
        myDb& db = *app.db();
        const QString id = db.getIdFromCode(code);
        if (db.isExistWatchList(id, code)) {
            alerts.tell(QStringLiteral("Mã CK %1 đã tồn tại ở danh sách theo dõi").arg(code));
            return;
        }
        db.addWatchList(id, code);
        alerts.tell(QStringLiteral("Đã thêm mã CK %1 vào danh sách theo dõi").arg(code));
    });
}

StockActions::StockActions(QRMInfoAppDelegate& app, QWidget* screen, Options options)
    : QObject(screen)
    , m_app(app)
    , m_options(std::move(options))
    , m_categoryMenu(new ScreenMenu(screen, m_options.categoryRowHeight))
    , m_actionMenu(new ScreenMenu(screen, kActionRowHeight)) {
    if (!m_options.beforePush) {
        m_options.beforePush = [] {
        };
    }
    connect(m_categoryMenu, &ScreenMenu::rowChosen, this, &StockActions::categoryMenuChosen);
    connect(m_actionMenu, &ScreenMenu::rowChosen, this, &StockActions::actionChosen);
}

StockActions::~StockActions() = default;

// ---- the screen's own menus ------------------------------------------------------------------

void StockActions::loadMenu_DIR_LIST() {
    m_menuType = kListDir;
    if (m_categoryMenu->isShowing()) {
        m_categoryMenu->hide();
        return;
    }
    showCategoryMenu(kListDir);
}

void StockActions::loadMenu_DIR_LIST_MORE() {
    m_menuType = kListDirMore;
    if (m_categoryMenu->isShowing()) {
        m_categoryMenu->hide();
        return;
    }
    if (m_options.chosenCode().isEmpty()) {
        m_app.alerts().tell(kNoCode);
        return;
    }
    showCategoryMenu(kListDirMore);
}

// The menu grows upward from its bottom edge; a long list scrolls inside the room above it.
void StockActions::showCategoryMenu(const QString& kind) {
    m_actionMenu->hide();
    if (!m_app.isAuthenticated()) {
        push(m_app.loginViewController());
        return;
    }
    m_app.db()->getDirList(m_dirListName, m_dirListId);
    m_menuText = m_dirListName;
    const bool more = kind == kListDirMore;
    if (more) {
        m_menuText.append(kNewCategory);
    } else if (m_menuText.isEmpty()) {
        m_app.alerts().tell(QStringLiteral("Chưa có danh mục nào. Hãy tạo danh mục ở mục \"Danh mục\"."));
        return;
    }
    const int height = std::min(m_options.categoryRowHeight * int(m_menuText.size()) + 2, kMaxMenuHeight);
    const int x = more ? 162 : 142;
    m_categoryMenu->showRows(m_menuText, QRect(x, kMenuBottom - height, kMenuWidth, height));
}

void StockActions::loadMenu() {
    m_categoryMenu->hide();
    if (m_actionMenu->isShowing()) {
        m_actionMenu->hide();
        return;
    }
    const QStringList rows = actionRows();
    const int height = kActionRowHeight * int(rows.size()) + 2;
    m_actionMenu->showRows(rows, QRect(256, 286 - height, 220, height));
}

void StockActions::actionChosen(int row) {
    switch (row) {
    case 0:
        loadMenu_DIR_LIST();
        break;
    case 1:
        loadMenu_DIR_LIST_MORE();
        break;
    case 2:
        loadMenu_WATCHLIST();
        break;
    case 3:
        loadMenu_ADD_WATCHLIST();
        break;
    default:
        break;
    }
}

void StockActions::loadMenu_WATCHLIST() {
    hideMenus();
    if (PortfolioRoutes* routes = m_app.portfolioRoutes()) {
        m_options.beforePush();
        routes->showWatchList();
    }
}

void StockActions::loadMenu_ADD_WATCHLIST() {
    hideMenus();
    askAddToWatchList(m_options.chosenCode());
}

void StockActions::categoryMenuChosen(int row) {
    chooseCategoryRow(m_menuType, row, m_dirListName, m_dirListId);
}

void StockActions::hideMenus() {
    m_categoryMenu->hide();
    m_actionMenu->hide();
}

// ---- the shared context menu -----------------------------------------------------------------

void StockActions::showContextMenu(const QString& mode, QWidget* screen) {
    hideMenus();
    m_app.menu()->showOver(this, mode, screen);
}

void StockActions::menuContextCallBack(int item) {
    if (item == 2) {
        askAddToWatchList(m_options.chosenCode());
    } else if (item == 3) {
        m_app.mainViewController()->openSectionFromRoot(QStringLiteral("btTheodoi"));
    }
}

// The context menu's list is read by its own kind and categories, which are what the user saw.
void StockActions::subMenuContextCallBack(int row) {
    const ContextMenuViewController* menu = m_app.menu();
    const QString kind = menu->subTableType() == kListDir ? kListDir : kListDirMore;
    chooseCategoryRow(kind, row, menu->dirListName(), menu->dirListId());
}

void StockActions::chooseCategoryRow(const QString& kind, int row, const QStringList& names, const QStringList& ids) {
    if (!m_app.isAuthenticated()) {
        push(m_app.loginViewController());
        return;
    }
    PortfolioRoutes* routes = m_app.portfolioRoutes();
    if (!routes || row < 0) {
        return;
    }
    if (kind == kListDir) {
        if (row < ids.size()) {
            openCategory(ids.at(row), names.value(row));
        }
        return;
    }
    const QString code = m_options.chosenCode();
    if (code.isEmpty()) {
        m_app.alerts().tell(kNoCode);
        return;
    }
    m_options.beforePush();
    routes->addHolding({m_app.db()->getIdFromCode(code), code, row < ids.size() ? ids.at(row) : QString()});
}

// ---- shared pieces ---------------------------------------------------------------------------

void StockActions::askAddToWatchList(const QString& code) {
    shell::askAddToWatchList(m_app, code);
}

void StockActions::openCategory(const QString& id, const QString& name) {
    PortfolioRoutes* routes = m_app.portfolioRoutes();
    if (!routes) {
        return;
    }
    routes->chooseCategory(id, name);
    if (m_options.categoriesInPlace) {
        m_options.beforePush();
        routes->showCategories();
        return;
    }
    m_app.mainViewController()->openSectionFromRoot(QStringLiteral("btDanhmuc"));
}

void StockActions::push(ui::ViewController* screen) {
    m_options.beforePush();
    m_app.navigator().push(screen, true);
}

} // namespace shell

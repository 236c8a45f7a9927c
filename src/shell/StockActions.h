#pragma once

#include "shell/ContextMenuParent.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace ui {
class ViewController;
}

namespace shell {

class QRMInfoAppDelegate;
class ScreenMenu;

/// The category and watch-list actions of a screen that shows stocks (the company list, the
/// company screens and their tabs, the watch list, the holdings screens): its own category menu
/// (open a category, add the chosen stock to one or to a new one), its action menu, the
/// add-to-watch-list question, and the choices of the shared context menu that lead there.
class StockActions final : public QObject, public ContextMenuParent {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StockActions)

public:
    static inline const QString kListDir = QStringLiteral("LIST_DIR");
    static inline const QString kListDirMore = QStringLiteral("LIST_DIR_MORE");
    static inline const QString kNoCode = QStringLiteral("Xin vui lòng chọn mã chứng khoán!?");

    struct Options {
        /// The code of the stock the actions work on; empty when none is chosen.
        std::function<QString()> chosenCode;
        /// Runs before another screen is pushed over this one (a company tab keeps its place).
        std::function<void()> beforePush;
        /// A category chosen from the menu opens over this screen rather than from the main menu.
        bool categoriesInPlace = false;
        /// The height of a category menu row.
        int categoryRowHeight = 27;
    };

    StockActions(QRMInfoAppDelegate& app, QWidget* screen, Options options);
    ~StockActions() override;

    // ---- the screen's own menus --------------------------------------------------------------
    /// The categories, to open one ("LIST_DIR"); a second press closes the menu.
    void loadMenu_DIR_LIST();
    /// The categories and "Tạo mới danh mục", to add the chosen stock ("LIST_DIR_MORE").
    void loadMenu_DIR_LIST_MORE();
    /// The four actions of a company screen, shown or hidden.
    void loadMenu();
    /// Shows the watch list.
    void loadMenu_WATCHLIST();
    /// Asks to add the chosen stock to the watch list.
    void loadMenu_ADD_WATCHLIST();
    /// A row of the category menu, read by the menu's kind.
    void categoryMenuChosen(int row);
    void hideMenus();

    // ---- the shared context menu of the stock screens ("DSMACK", "COM_KQGD") -------------------
    /// Opens the context menu over `screen`, with these actions receiving its choices.
    void showContextMenu(const QString& mode, QWidget* screen);
    /// Item 2 asks to add the chosen stock to the watch list; 3 opens the watch list from the
    /// main menu.
    void menuContextCallBack(int item) override;
    /// A row of the context menu's category list, read by that list's own kind and categories.
    void subMenuContextCallBack(int row) override;

    // ---- pieces the screens share --------------------------------------------------------------
    /// "Thêm mã CK … vào danh sách theo dõi"; YES adds the code unless it is there already.
    void askAddToWatchList(const QString& code);
    /// Opens a category's holdings: from the main menu, or over this screen.
    void openCategory(const QString& id, const QString& name);
    /// Pushes another screen over this one.
    void push(ui::ViewController* screen);

    const QString& menuType() const { return m_menuType; }
    const QStringList& menuText() const { return m_menuText; }
    ScreenMenu* categoryMenu() const { return m_categoryMenu; }
    ScreenMenu* actionMenu() const { return m_actionMenu; }

private:
    void showCategoryMenu(const QString& kind);
    void chooseCategoryRow(const QString& kind, int row, const QStringList& names, const QStringList& ids);
    void actionChosen(int row);

    QRMInfoAppDelegate& m_app;
    Options m_options;
    ScreenMenu* m_categoryMenu;
    ScreenMenu* m_actionMenu;
    QString m_menuType;
    QStringList m_menuText;
    QStringList m_dirListName;
    QStringList m_dirListId;
};

/// "Thêm mã CK … vào danh sách theo dõi"; YES adds the code unless it is there already. Without a
/// code, the user is asked to choose a stock first.
void askAddToWatchList(QRMInfoAppDelegate& app, const QString& code);

} // namespace shell

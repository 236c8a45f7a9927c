#pragma once

#include "ui/ViewController.h"

#include <QListWidget>
#include <QPointer>
#include <QStringList>

class QWidget;

namespace shell {

class ContextMenuParent;
class QRMInfoAppDelegate;

/// The pop-up menu most screens open: its items depend on the opener's mode, and some items open
/// a second list of the user's categories. One instance serves every screen.
class ContextMenuViewController final : public ui::ViewController {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ContextMenuViewController)

public:
    static constexpr int kRowHeight = 27;
    static constexpr int kMaxSubListHeight = 250;

    explicit ContextMenuViewController(QRMInfoAppDelegate& appDelegate);
    ~ContextMenuViewController() override;

    /// What a screen's goMenu does: the menu rebuilt for the mode, shown over the screen's view.
    void showOver(ContextMenuParent* parent, const QString& mode, QWidget* parentView);

    void buildMenu(const QString& mode);
    void setTableHeight();
    void loadSubMenu();
    void setSubTableHeight();
    void goLogin();
    void goToRegister();
    /// Closes the menu.
    void goBack();
    /// A choice in the main list.
    void selectMenuRow(int row);
    /// A choice in the sub-list.
    void selectSubMenuRow(int row);

    const QString& parentContext() const { return m_parentContext; }
    void setParentContext(const QString& context) { m_parentContext = context; }
    ContextMenuParent* parentDelegate() const { return m_parentDelegate; }
    void setParentDelegate(ContextMenuParent* parent) { m_parentDelegate = parent; }
    const QStringList& menuText() const { return m_menuText; }
    const QStringList& subMenuText() const { return m_subMenuText; }
    const QString& subTableType() const { return m_subTableType; }
    const QStringList& dirListName() const { return m_dirListName; }
    const QStringList& dirListId() const { return m_dirListId; }
    bool isShowing() const;
    bool isSubMenuShowing() const;
    int menuTableHeight() const;
    int subMenuTableHeight() const;
    int subMenuTableY() const;

Q_SIGNALS:
    /// "Thêm vào danh mục" without a login from a company screen: the company screen keeps its
    /// tab in place while the login screen is shown.
    void companyLoginRequested();

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openSubMenu(const QString& kind);
    void fillList(QListWidget* list, const QStringList& rows);
    void selectInGeneralMode(int row);

    QRMInfoAppDelegate& m_appDelegate;
    QString m_parentContext;
    ContextMenuParent* m_parentDelegate = nullptr;
    QStringList m_menuText;
    QStringList m_subMenuText;
    QString m_subTableType;
    QStringList m_dirListName;
    QStringList m_dirListId;
    QPointer<QWidget> m_root;
    QPointer<QListWidget> m_tbView;
    QPointer<QListWidget> m_tbSubView;
};

} // namespace shell

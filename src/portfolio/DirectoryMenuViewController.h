#pragma once

#include "net/RequestDelegate.h"
#include "portfolio/CategoryRows.h"
#include "shell/BarScreen.h"
#include "shell/ScreenRequest.h"

#include <QStringList>

class QLabel;
class QPushButton;

namespace ui {
class RowTable;
}

namespace portfolio {

/// The logged-in user's categories as the store holds them (the service keeps the master copy):
/// reload them from the service, create, rename and delete one, log out, and open a category's
/// holdings. Other screens open a category through it (`pId`, `pName`, `iScreen` = 1).
class DirectoryMenuViewController final : public shell::BarScreen, public net::RequestDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DirectoryMenuViewController)

public:
    /// Request kinds: a category deleted, the whole list with its holdings.
    static constexpr int kDeleteRequest = 16;
    static constexpr int kListRequest = 18;
    /// `pId` while no category is chosen.
    static inline const QString kNoCategory = QStringLiteral("-999999");

    explicit DirectoryMenuViewController(shell::QRMInfoAppDelegate& appDelegate);
    ~DirectoryMenuViewController() override;

    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    /// F5 asks to reload the list from the service.
    void reloadScreen() override;

    // ---- set by other screens --------------------------------------------------------------
    const QString& pId() const { return m_pId; }
    void setPId(const QString& id) { m_pId = id; }
    const QString& pName() const { return m_pName; }
    void setPName(const QString& name) { m_pName = name; }
    int iScreen() const { return m_iScreen; }
    void setIScreen(int screen) { m_iScreen = screen; }

    // ---- operations ------------------------------------------------------------------------
    void startLoad();
    void load_Directory();
    void confirmUpdate();
    void viewDirAdd();
    void goEditDir();
    void confirmDeleteDir();
    void deleteDir();
    void toggleEdit();
    void logOut();
    void goMenu() override;
    void menuContextCallBack(int item) override;
    /// Opens holdings screen 1 to 5 for the chosen category, in place of a holdings screen shown.
    void gotoScreen(int screen);
    /// A row chosen: it becomes the chosen category; nothing opens.
    void selectRow(int row);
    /// A row's disclosure: the row chosen, then its holdings opened.
    void goDirectoryDetail(int row);
    void DidFinishRequest(std::optional<QByteArray> data) override;
    /// The confirmation's answer: index 1 is "YES".
    void alertButtonClicked(int index);

    const QStringList& dirListName() const { return m_dirListName; }
    const QStringList& dirListId() const { return m_dirListId; }
    const QString& alertType() const { return m_alertType; }
    ui::RowTable* tbView() const { return m_tbView; }
    QLabel* lbUser() const { return m_lbUser; }
    QLabel* lbDate() const { return m_lbDate; }
    bool isRequestOutstanding() const;

protected:
    void buildContent(QWidget* root) override;

private:
    void buildBottomBar(QWidget* root);
    void processLoad_Directory(const QByteArray& data);
    void processDel(const QByteArray& data);
    void reloadTable();
    void openForm(bool editMode, const QString& id, const QString& name);
    bool hasChosenRow() const;
    void askLogin();

    shell::ScreenRequest m_request;
    CategoryRows m_rows;
    QStringList m_dirListName;
    QStringList m_dirListId;
    QString m_pId = kNoCategory;
    QString m_pName;
    QString m_alertType;
    int m_iScreen = 0;
    /// The login screen was opened from here; coming back still logged out leaves the list.
    bool m_loginAsked = false;

    ui::RowTable* m_tbView = nullptr;
    QLabel* m_lbUser = nullptr;
    QLabel* m_lbDate = nullptr;
    QPushButton* m_btEdit = nullptr;
};

} // namespace portfolio

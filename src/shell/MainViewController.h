#pragma once

#include "ui/ViewController.h"

#include <QList>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace shell {

class ActivityIndicator;
class QRMInfoAppDelegate;

/// The root screen: the section buttons, the user label, and the waiting controls of the full
/// data update, which is asked for from here.
class MainViewController final : public ui::ViewController {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainViewController)

public:
    /// A section of the program; `open` is empty until the section's screen exists, and its
    /// button is then shown disabled.
    struct Section {
        QString objectName;
        QString image;
        QString caption;
        std::function<void()> open;
    };

    explicit MainViewController(QRMInfoAppDelegate& appDelegate);
    ~MainViewController() override;

    void viewWillAppear(bool animated) override;

    // ---- navigation --------------------------------------------------------------------
    /// Makes a section's button open its screen (the section screens register here).
    void setSectionAction(const QString& objectName, std::function<void()> open);
    void gotoSetting();
    void goAbout();
    void goLogin();
    /// The items every general context menu shares: update, home, news, watch list,
    /// portfolios, settings.
    void performGeneralMenuItem(int item);
    /// Opens a section's screen as its button does; nothing while the section has none.
    void openSection(const QString& objectName);
    /// Back to the main menu at once, then the section opened as its button does.
    void openSectionFromRoot(const QString& objectName);

    // ---- the full update ---------------------------------------------------------------
    /// Asks whether to update all data.
    void confirmUpdate();
    void alertButtonClicked(int index);
    void setMenuEnabled(bool enabled);
    void setWaitText(const QString& text);
    void hideWaitText();
    void hideProgress();
    void stopNetwork();
    void stopUpdateIndicator();
    void clearUserLabel();

    // ---- for tests and the tour --------------------------------------------------------
    QString userLabelText() const;
    QString waitText() const;
    bool isWaitTextVisible() const;
    bool isMenuEnabled() const;
    bool isUpdateIndicatorAnimating() const;
    QPushButton* sectionButton(const QString& objectName) const;
    QPushButton* functionButton(int index) const;

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;

private:
    void buildSections(QWidget* root);
    void buildFunctionBar();
    void buildWaitingControls(QWidget* root);
    void refreshUserLabel();

    QRMInfoAppDelegate& m_appDelegate;
    std::vector<Section> m_sections;
    QList<QPushButton*> m_sectionButtons;
    QList<QPushButton*> m_functionButtons;
    QWidget* m_buttonArea = nullptr;
    QLabel* m_lbUser = nullptr;
    QLabel* m_waitLb = nullptr;
    QLabel* m_lbNetwork = nullptr;
    QProgressBar* m_progressBar = nullptr;
    ActivityIndicator* m_actIndicator = nullptr;
    ActivityIndicator* m_actNetwork = nullptr;
};

} // namespace shell

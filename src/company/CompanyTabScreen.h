#pragma once

#include "company/CompanyTabBar.h"
#include "ui/ViewController.h"

#include <QPointer>
#include <QString>

namespace shell {
class QRMInfoAppDelegate;
}

namespace company {

class CompanyRealTimeViewcontroller;

/// A tab laid over the company's real-time screen (its host) rather than pushed: the trading
/// results, the financial statements or the news. Its tab buttons take its view off the host and
/// ask the host for the other tab; the host's keys reach it first while it is shown.
class CompanyTabScreen : public ui::ViewController {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompanyTabScreen)

public:
    ~CompanyTabScreen() override;

    void setRtController(CompanyRealTimeViewcontroller* host);
    CompanyRealTimeViewcontroller* rtController() const;

    /// Takes the view off the host, then asks the host for the tab named "RealTime", "KQGD",
    /// "Taichinh", "Tintuc", or "Back" for the screen before the host.
    void leaveTab(const QString& tab);
    /// Back to the main menu.
    virtual void goHome();
    /// Stops the tab's timers (it is left or covered).
    virtual void stopTimers() = 0;
    /// What the reload button and key do: ask the service again for what the tab shows.
    virtual void refreshFromService() = 0;
    void reloadScreen() override { refreshFromService(); }

    /// Whether the view is laid over the host now.
    bool isShownOver(const QWidget* host) const;

    const CompanyTabBar& tabBar() const { return m_tabBar; }
    const CompanyTabBottomBar& bottomBar() const { return m_bottomBar; }

protected:
    explicit CompanyTabScreen(shell::QRMInfoAppDelegate& appDelegate);

    /// Builds both bars on the tab's root (with the live-mode button when asked) and connects the
    /// navigation and reload buttons.
    void buildBars(QWidget* root, CompanyTab shown, bool withLiveButton = false);
    shell::QRMInfoAppDelegate& appDelegate() const { return m_appDelegate; }

private:
    shell::QRMInfoAppDelegate& m_appDelegate;
    QPointer<CompanyRealTimeViewcontroller> m_rtController;
    CompanyTabBar m_tabBar;
    CompanyTabBottomBar m_bottomBar;
};

} // namespace company

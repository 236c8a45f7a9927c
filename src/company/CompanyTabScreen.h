#pragma once

#include "company/CompanyTabBar.h"
#include "net/RequestDelegate.h"
#include "shell/ScreenRequest.h"
#include "ui/ViewController.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

namespace shell {
class ActivityIndicator;
class LiveRefresh;
class QRMInfoAppDelegate;
class StockActions;
} // namespace shell

namespace company {

class CompanyRealTimeViewcontroller;

/// A tab laid over the company's real-time screen (its host) rather than pushed: the trading
/// results, the financial statements or the news. Its tab buttons take its view off the host and
/// ask the host for the other tab; the host's keys reach it first while it is shown. Each tab
/// has one request object of its own and an indicator that turns while it is under way.
class CompanyTabScreen : public ui::ViewController, public net::RequestDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompanyTabScreen)

public:
    ~CompanyTabScreen() override;

    void setRtController(CompanyRealTimeViewcontroller* host);
    CompanyRealTimeViewcontroller* rtController() const;

    /// Takes the view off the host, then asks the host for the tab named "RealTime", "KQGD",
    /// "Taichinh", "Tintuc", or "Back" for the screen before the host.
    void leaveTab(const QString& tab);
    /// Stops the tab and takes its view off the host.
    void takeOff();
    /// Back to the main menu.
    virtual void goHome();
    /// Stops the tab's timers (it is left or covered).
    virtual void stopTimers() = 0;
    /// What the reload button and key do: ask the service again for what the tab shows.
    virtual void refreshFromService() = 0;
    void reloadScreen() override { refreshFromService(); }

    /// The context menu of the company screens ("COM_KQGD"), over the tab.
    void goMenu();
    /// The tab's category and watch-list actions; every screen they push keeps the tab in place.
    shell::StockActions* actions() const { return m_actions; }

    /// Whether the view is laid over the host now.
    bool isShownOver(const QWidget* host) const;
    /// Whether a request of the tab is under way.
    bool isRequestOutstanding() const;

    const CompanyTabBar& tabBar() const { return m_tabBar; }
    const CompanyTabBottomBar& bottomBar() const { return m_bottomBar; }

protected:
    explicit CompanyTabScreen(shell::QRMInfoAppDelegate& appDelegate);

    /// Builds both bars on the tab's root and connects the navigation and reload buttons. With
    /// `live`, the bottom bar has the live-mode button, animated by `live` and calling
    /// `switchLive` when clicked.
    void buildBars(QWidget* root, CompanyTab shown, shell::LiveRefresh* live = nullptr,
                   std::function<void()> switchLive = {});
    /// A root of the screen's size on the screens' ground, with both bars.
    QWidget* makeRoot(CompanyTab shown, shell::LiveRefresh* live = nullptr, std::function<void()> switchLive = {});
    /// The indicator of the tab's transfers; set once the view exists.
    void setActivityIndicator(shell::ActivityIndicator* indicator) { m_request.setIndicator(indicator); }
    /// Sends a request of the tab (replacing one under way) and starts the indicator.
    void sendTabRequest(const QString& url);
    void stopIndicator();
    shell::QRMInfoAppDelegate& appDelegate() const { return m_appDelegate; }

private:
    shell::QRMInfoAppDelegate& m_appDelegate;
    QPointer<CompanyRealTimeViewcontroller> m_rtController;
    shell::ScreenRequest m_request;
    CompanyTabBar m_tabBar;
    CompanyTabBottomBar m_bottomBar;
    shell::StockActions* m_actions = nullptr;
};

} // namespace company

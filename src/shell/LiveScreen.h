#pragma once

#include "net/RequestDelegate.h"
#include "shell/ContextMenuParent.h"
#include "shell/LiveBar.h"
#include "shell/ScreenRequest.h"
#include "ui/ViewController.h"

#include <QString>

#include <memory>

class QLabel;

namespace ui {
class LiveModeButton;
}

namespace shell {

class LiveRefresh;
class QRMInfoAppDelegate;

/// A screen of one live feed under the live top bar: its request object and transfer
/// indicator, the live-refresh cycle, the user label, the general context menu, and the keys
/// (L switches live mode, F5 reloads). Each appearance starts with live mode off.
class LiveScreen : public ui::ViewController, public net::RequestDelegate, public ContextMenuParent {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LiveScreen)

public:
    ~LiveScreen() override;

    bool handleKey(int qtKey) override;
    void reloadScreen() override;

    /// One request now.
    virtual void reload() = 0;
    /// The refresh tick.
    virtual void targetMethod() = 0;
    /// Switches live mode on or off.
    virtual void toggleAnimation() = 0;

    void goBack();
    void goHome();
    void goMenu();
    void menuContextCallBack(int item) override;

    bool isRequestOutstanding() const;
    int animationCount() const;
    LiveRefresh& liveRefresh() const { return *m_live; }
    QLabel* lbDate() const { return m_bar.date; }
    QLabel* lbUser() const { return m_lbUser; }
    ui::LiveModeButton* releadBt() const { return m_bar.live; }

protected:
    explicit LiveScreen(QRMInfoAppDelegate& appDelegate);

    void viewDidLoad() override;
    /// Whether the store holds something of today for the screen; when not, a screen shown
    /// with live mode off asks the service once.
    virtual bool holdsCurrentDay() const { return true; }

    /// Builds the live top bar along the top of root and connects its buttons.
    void buildLiveBar(QWidget* root, const QString& heading);
    /// The label that names the logged-in user; placed by the screen.
    void setUserLabel(QLabel* label) { m_lbUser = label; }
    /// What every appearance starts with: live mode off, the user label filled.
    void beginAppearance();
    /// Sends a request of the screen's feed (a tick may replace one under way) and starts the
    /// indicator.
    void sendRequest(const QString& url, int kind);
    void stopIndicator();
    const LiveBar& bar() const { return m_bar; }
    QRMInfoAppDelegate& appDelegate() const { return m_delegate; }

private:
    QRMInfoAppDelegate& m_delegate;
    std::unique_ptr<LiveRefresh> m_live;
    ScreenRequest m_request;
    LiveBar m_bar;
    QLabel* m_lbUser = nullptr;
};

} // namespace shell

#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace ui {
class LiveModeButton;
class Timer;
class ViewController;
} // namespace ui

namespace shell {

class QRMInfoAppDelegate;

/// The live-refresh cycle of a live screen: the refresh timer, the 37-frame animation of the
/// screen's live-mode button while live mode is on, and the end of both when the screen leaves
/// the top of the navigation stack. The screen keeps its own request and indicator.
class LiveRefresh final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LiveRefresh)

public:
    static constexpr double kFrameSeconds = 0.15;
    static constexpr int kLastFrame = 36;

    /// What differs from one live screen to the next.
    struct Options {
        /// Whether a refresh tick is dropped while live mode is off; a screen whose own data must
        /// keep flowing (the company real-time quote) turns this off.
        bool tickNeedsLiveMode = true;
        /// The refresh period in seconds, read when the timer starts; empty means the
        /// application's timeRealtime.
        std::function<double()> period;
        /// Whether the store already holds something of the current day for this screen. A
        /// screen shown while live mode is off shows only the store, so when this says no it
        /// asks the service once, as its reload does; empty means the screen never needs to.
        std::function<bool()> holdsCurrentDay;
    };

    /// `tick` runs at every refresh.
    LiveRefresh(QRMInfoAppDelegate& app, ui::ViewController& screen, std::function<void()> tick);
    LiveRefresh(QRMInfoAppDelegate& app, ui::ViewController& screen, std::function<void()> tick, Options options);
    ~LiveRefresh() override;

    /// The button that shows the frames; set once the screen's view exists.
    void setButton(ui::LiveModeButton* button);
    ui::LiveModeButton* button() const;

    /// Replaces the refresh timer by a new one of the current period.
    void startRefresh();
    void stopRefresh();
    bool isRefreshing() const { return m_timer != nullptr; }

    /// Restarts the animation at frame 0 with a new animation timer.
    void animationLoop();
    /// The animation tick: the next frame on the button, 36 wrapping to 0; nothing while live
    /// mode is off.
    void changeImages();
    void stopAnimation();
    bool isAnimating() const { return m_animationTimer != nullptr; }
    int animationCount() const { return m_animationCount; }

    /// Stops and drops both timers (the screen disappears, or live mode was switched off).
    void stop();
    /// What a screen's start does with live mode: off, both timers stop; on, the animation and
    /// the refresh start again. Returns whether live mode is on (the screen then asks at once).
    bool followLiveMode();

private:
    void refreshTick();
    void topChanged(ui::ViewController* top);
    void lookFirstTime();

    QRMInfoAppDelegate& m_app;
    ui::ViewController& m_screen;
    std::function<void()> m_tick;
    Options m_options;
    QPointer<ui::LiveModeButton> m_button;
    std::unique_ptr<ui::Timer> m_timer;
    std::unique_ptr<ui::Timer> m_animationTimer;
    int m_animationCount = 0;
};

} // namespace shell

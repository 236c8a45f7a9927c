#include "shell/LiveRefresh.h"

#include "shell/QRMInfoAppDelegate.h"
#include "ui/LiveModeButton.h"
#include "ui/Navigator.h"
#include "ui/Scheduler.h"

namespace shell {

LiveRefresh::LiveRefresh(QRMInfoAppDelegate& app, ui::ViewController& screen, std::function<void()> tick)
    : LiveRefresh(app, screen, std::move(tick), Options{}) {}

LiveRefresh::LiveRefresh(QRMInfoAppDelegate& app, ui::ViewController& screen, std::function<void()> tick,
                         Options options)
    : m_app(app)
    , m_screen(screen)
    , m_tick(std::move(tick))
    , m_options(std::move(options)) {
    // Whatever takes the screen's place on the stack (a push over it, a pop, a jump to the root),
    // the screen has disappeared and its timers must not keep running behind it.
    connect(&m_app.navigator(), &ui::Navigator::topChanged, this, &LiveRefresh::topChanged);
}

LiveRefresh::~LiveRefresh() = default;

void LiveRefresh::setButton(ui::LiveModeButton* button) {
    m_button = button;
}

ui::LiveModeButton* LiveRefresh::button() const {
    return m_button;
}

void LiveRefresh::startRefresh() {
    m_timer.reset();
    const double period = m_options.period ? m_options.period() : m_app.timeRealtime();
    m_timer = m_app.scheduler().repeating(period, [this] { refreshTick(); });
}

void LiveRefresh::stopRefresh() {
    m_timer.reset();
}

void LiveRefresh::animationLoop() {
    m_animationCount = 0;
    m_animationTimer.reset();
    m_animationTimer = m_app.scheduler().repeating(kFrameSeconds, [this] { changeImages(); });
}

void LiveRefresh::changeImages() {
    if (!m_app.bRealTime()) {
        return;
    }
    m_animationCount = m_animationCount >= kLastFrame ? 0 : m_animationCount + 1;
    if (m_button) {
        m_button->showFrame(m_animationCount);
    }
}

void LiveRefresh::stopAnimation() {
    m_animationTimer.reset();
}

void LiveRefresh::stop() {
    stopRefresh();
    stopAnimation();
}

bool LiveRefresh::followLiveMode() {
    if (!m_app.bRealTime()) {
        stop();
        return false;
    }
    animationLoop();
    startRefresh();
    return true;
}

void LiveRefresh::refreshTick() {
    if (m_options.tickNeedsLiveMode && !m_app.bRealTime()) {
        return;
    }
    if (m_tick) {
        m_tick();
    }
}

void LiveRefresh::topChanged(ui::ViewController* top) {
    if (top != &m_screen) {
        stop();
        return;
    }
    lookFirstTime();
}

// With live mode on the screen's own appearance asks the service; with it off, an empty store
// would leave the first visit of the day blank until the user found the reload button.
void LiveRefresh::lookFirstTime() {
    if (!m_app.bRealTime() && m_options.holdsCurrentDay && !m_options.holdsCurrentDay()) {
        m_screen.reloadScreen();
    }
}

} // namespace shell

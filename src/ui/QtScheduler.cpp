#include "ui/QtScheduler.h"

#include <QTimer>

#include <cmath>
#include <memory>

namespace ui {

namespace {

class QtTimer final : public Timer {
public:
    QtTimer(double seconds, bool repeat, std::function<void()> callback)
        : m_timer(std::make_unique<QTimer>()) {
        m_timer->setSingleShot(!repeat);
        m_timer->setTimerType(seconds < 1 ? Qt::PreciseTimer : Qt::CoarseTimer);
        QObject::connect(m_timer.get(), &QTimer::timeout, m_timer.get(), [this, callback = std::move(callback)] {
            m_firing = true;
            const auto alive = m_alive;
            callback();
            if (*alive) {
                m_firing = false;
            }
        });
        m_timer->start(static_cast<int>(std::lround(std::max(seconds, 0.0) * 1000)));
    }

    ~QtTimer() override {
        *m_alive = false;
        m_timer->stop();
        // A callback may destroy its own Timer; the QTimer is then still inside its timeout
        // signal and running the callback, so it has to go later.
        if (m_firing) {
            m_timer.release()->deleteLater();
        }
    }
    QtTimer(const QtTimer&) = delete;
    QtTimer& operator=(const QtTimer&) = delete;

    void stop() override { m_timer->stop(); }
    bool isActive() const override { return m_timer->isActive(); }

private:
    std::unique_ptr<QTimer> m_timer;
    bool m_firing = false;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace

std::unique_ptr<Timer> QtScheduler::repeating(double seconds, std::function<void()> tick) {
    return std::make_unique<QtTimer>(seconds, true, std::move(tick));
}

std::unique_ptr<Timer> QtScheduler::singleShot(double seconds, std::function<void()> fire) {
    return std::make_unique<QtTimer>(seconds, false, std::move(fire));
}

} // namespace ui

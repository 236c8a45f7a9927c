#include "Clock.h"

#include <cmath>

namespace sim {

Clock::Clock(const QDateTime& start, double speed, WallMilliseconds wall)
    : m_start(start)
    , m_speed(speed > 0 ? speed : 1.0)
    , m_wall(std::move(wall)) {
    m_elapsed.start();
    if (!m_wall) {
        m_wall = [this] {
            return m_elapsed.elapsed();
        };
    }
}

QDateTime Clock::nowDateTime() const {
    std::lock_guard lock(m_mutex);
    if (m_fixed) {
        return m_start;
    }
    const auto elapsed = static_cast<qint64>(std::llround(static_cast<double>(m_wall()) * m_speed));
    return m_start.addMSecs(elapsed);
}

SimTime Clock::now() const {
    return toSimTime(nowDateTime());
}

void Clock::setFixed(const QDateTime& t) {
    std::lock_guard lock(m_mutex);
    m_start = t;
    m_fixed = true;
}

void Clock::advance(qint64 seconds) {
    std::lock_guard lock(m_mutex);
    m_start = m_start.addSecs(seconds);
}

SimTime Clock::toSimTime(const QDateTime& t) {
    constexpr qint64 kSecondsPerDay = 86400;
    // Seconds on Vietnam's clock since 1 January 2000 00:00 there; whole-number arithmetic, so no
    // host time zone or daylight saving rule takes part.
    const qint64 seconds = t.toSecsSinceEpoch() - vietnamTime(QDate(2000, 1, 1), QTime(0, 0)).toSecsSinceEpoch();
    const qint64 day = seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
    const qint64 ofDay = seconds - day * kSecondsPerDay;
    SimTime time;
    time.day = static_cast<int>(day);
    time.clockMinute = static_cast<int>(ofDay / 60);
    time.second = static_cast<int>(ofDay % 60);
    return time;
}

QDateTime Clock::vietnamTime(const QDate& date, const QTime& time) {
    return {date, time, Qt::OffsetFromUTC, kVietnamOffset};
}

} // namespace sim

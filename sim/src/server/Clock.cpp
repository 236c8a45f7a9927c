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
    const QDateTime local = t.toLocalTime();
    const QDateTime epoch(QDate(2000, 1, 1), QTime(0, 0), Qt::LocalTime);
    const double seconds = static_cast<double>(epoch.msecsTo(local)) / 1000.0;
    SimTime time;
    time.day = static_cast<int>(std::floor(seconds / 60 / 60 / 24));
    time.clockMinute = local.time().hour() * 60 + local.time().minute();
    time.second = local.time().second();
    return time;
}

} // namespace sim

#pragma once

#include "SimTypes.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <functional>
#include <mutex>

namespace sim {

/// The market clock: starts at a chosen instant and runs `speed` times faster than the wall clock.
/// The market keeps Vietnam's time (UTC+7, no daylight saving) whatever the host's time zone, so
/// its days and sessions are the same everywhere. Tests freeze it (setFixed) and move it by hand
/// (advance), or hand in their own wall clock (milliseconds since start), so no test waits.
class Clock final {
public:
    using WallMilliseconds = std::function<qint64()>;

    explicit Clock(const QDateTime& start, double speed = 1.0, WallMilliseconds wall = {});

    QDateTime nowDateTime() const;
    SimTime now() const;

    /// Freezes the clock at t; advance() then moves it.
    void setFixed(const QDateTime& t);
    void advance(qint64 seconds);

    /// Day number (whole days since 1 January 2000 00:00) and clock minute of t, both on
    /// Vietnam's time.
    static SimTime toSimTime(const QDateTime& t);

    /// The instant of a date and time of day on Vietnam's clock.
    static QDateTime vietnamTime(const QDate& date, const QTime& time);

    /// Vietnam's UTC offset in seconds.
    static constexpr int kVietnamOffset = 7 * 3600;

private:
    mutable std::mutex m_mutex;
    QDateTime m_start;
    double m_speed = 1.0;
    bool m_fixed = false;
    QElapsedTimer m_elapsed;
    WallMilliseconds m_wall;
};

} // namespace sim

#pragma once

#include "SimTypes.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <functional>
#include <mutex>

namespace sim {

/// The market clock: starts at a chosen local time and runs `speed` times faster than the wall
/// clock. Tests freeze it (setFixed) and move it by hand (advance), or hand in their own wall
/// clock (milliseconds since start), so no test waits for time.
class Clock final {
public:
    using WallMilliseconds = std::function<qint64()>;

    explicit Clock(const QDateTime& start, double speed = 1.0, WallMilliseconds wall = {});

    QDateTime nowDateTime() const;
    SimTime now() const;

    /// Freezes the clock at t; advance() then moves it.
    void setFixed(const QDateTime& t);
    void advance(qint64 seconds);

    /// Day number (whole days since 1 January 2000 00:00 local time) and clock minute of t,
    /// computed as the client computes its own today.
    static SimTime toSimTime(const QDateTime& t);

private:
    mutable std::mutex m_mutex;
    QDateTime m_start;
    double m_speed = 1.0;
    bool m_fixed = false;
    QElapsedTimer m_elapsed;
    WallMilliseconds m_wall;
};

} // namespace sim

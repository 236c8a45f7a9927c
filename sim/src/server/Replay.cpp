#include "server/Replay.h"

#include "market/TradingCalendar.h"
#include "server/Clock.h"
#include "server/ServiceOptions.h"

namespace sim {

namespace {

constexpr int kOpenHour = 8;
constexpr int kOpenMinute = 30;

} // namespace

QDateTime latestSessionOpen(const QDateTime& now) {
    const int day = market::momentAt(Clock::toSimTime(now)).day;
    return Clock::vietnamTime(QDate(2000, 1, 1).addDays(day), QTime(kOpenHour, kOpenMinute));
}

QDateTime clockStartOf(const ServiceOptions& options, const QDateTime& now) {
    const QDateTime start = options.clockStart.value_or(now);
    return options.replaySpeed ? latestSessionOpen(start) : start;
}

double clockSpeedOf(const ServiceOptions& options) {
    return options.replaySpeed.value_or(options.speed);
}

} // namespace sim

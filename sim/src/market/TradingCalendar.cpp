#include "market/TradingCalendar.h"

#include <algorithm>

namespace sim::market {

namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kTradingDaysPerWeek = 5;
constexpr int kFirstWeekday = 2; // Monday, counted from Saturday

// Day of the week counted from Saturday (0) to Friday (6), also for days before 2000.
int weekdayFromSaturday(int day) {
    const int r = day % kDaysPerWeek;
    return r < 0 ? r + kDaysPerWeek : r;
}

int weekOf(int day) {
    return (day - weekdayFromSaturday(day)) / kDaysPerWeek;
}

} // namespace

bool isTradingDay(int day) {
    return weekdayFromSaturday(day) >= kFirstWeekday;
}

int tradingIndex(int tradingDay) {
    return weekOf(tradingDay) * kTradingDaysPerWeek + weekdayFromSaturday(tradingDay) - kFirstWeekday;
}

int previousTradingDay(int day) {
    return tradingDayOnOrBefore(day - 1);
}

int nextTradingDay(int day) {
    int next = day + 1;
    while (!isTradingDay(next)) {
        ++next;
    }
    return next;
}

int tradingDayOnOrBefore(int day) {
    while (!isTradingDay(day)) {
        --day;
    }
    return day;
}

std::vector<int> tradingDaysEndingAt(int lastDay, int count) {
    std::vector<int> days;
    days.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int day = lastDay; static_cast<int>(days.size()) < count; day = previousTradingDay(day)) {
        days.push_back(day);
    }
    std::reverse(days.begin(), days.end());
    return days;
}

MarketMoment momentAt(const SimTime& t) {
    if (!isTradingDay(t.day)) {
        return {tradingDayOnOrBefore(t.day), kLastMarketMinute};
    }
    return {t.day, std::clamp(t.marketMinute(), -1, kLastMarketMinute)};
}

int latestDayWithData(const MarketMoment& moment) {
    return moment.hasOpened() ? moment.day : previousTradingDay(moment.day);
}

} // namespace sim::market

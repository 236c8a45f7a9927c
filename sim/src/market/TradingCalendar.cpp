#include "market/TradingCalendar.h"

#include "market/ExchangeHolidays.h"

#include <algorithm>

namespace sim::market {

namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kFirstWeekday = 2; // Monday, counted from Saturday
// The trading days of 2000 to 2040 are listed once; days outside follow the weekday rule alone.
constexpr int kListedUntil = 14975; // 31 December 2040

// Day of the week counted from Saturday (0) to Friday (6), also for days before 2000.
int weekdayFromSaturday(int day) {
    const int r = day % kDaysPerWeek;
    return r < 0 ? r + kDaysPerWeek : r;
}

bool isWeekday(int day) {
    return weekdayFromSaturday(day) >= kFirstWeekday;
}

const std::vector<int>& listedTradingDays() {
    static const std::vector<int> days = [] {
        std::vector<int> list;
        for (int day = 0; day <= kListedUntil; ++day) {
            if (isWeekday(day) && !isExchangeHoliday(day)) {
                list.push_back(day);
            }
        }
        return list;
    }();
    return days;
}

bool isListed(int day) {
    return day >= 0 && day <= kListedUntil;
}

} // namespace

bool isTradingDay(int day) {
    if (!isListed(day)) {
        return isWeekday(day);
    }
    const std::vector<int>& days = listedTradingDays();
    return std::binary_search(days.begin(), days.end(), day);
}

int tradingIndex(int tradingDay) {
    const std::vector<int>& days = listedTradingDays();
    return static_cast<int>(std::lower_bound(days.begin(), days.end(), tradingDay) - days.begin());
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
    if (!isTradingDay(t.day) || t.marketMinute() < 0) {
        return {previousTradingDay(t.day), kLastMarketMinute};
    }
    return {t.day, std::min(t.marketMinute(), kLastMarketMinute)};
}

} // namespace sim::market

#pragma once

#include <span>

namespace sim::market {

/// A stretch of days on which Vietnam's exchanges stay shut, both ends included.
struct ClosedStretch {
    int year = 0;
    int fromMonth = 0;
    int fromDay = 0;
    int toMonth = 0;
    int toDay = 0;
    const char* name = "";
};

/// The first and last years whose closures the table below lists in full, Tết and Hùng Kings' day
/// included (both follow the lunar calendar and the government's yearly decision).
inline constexpr int kFirstListedYear = 2020;
inline constexpr int kLastListedYear = 2030;

/// The exchanges' holidays of the listed years, in order. Outside them only the holidays on fixed
/// dates are known: 1 January, 30 April, 1 May and 2 September.
std::span<const ClosedStretch> listedClosures();

/// Whether the exchanges are shut on a weekday (day key: days since 1 January 2000) for a holiday.
bool isExchangeHoliday(int day);

} // namespace sim::market

#pragma once

namespace sim::market {

/// The first and last years whose closures the holiday table lists in full, Tết and Hùng Kings' day
/// included (both follow the lunar calendar and the government's yearly decision).
inline constexpr int kFirstListedYear = 2020;
inline constexpr int kLastListedYear = 2030;

/// Whether the exchanges are shut on a weekday (day key: days since 1 January 2000) for a holiday.
/// Outside the listed years only the holidays on fixed dates are known: 1 January, 30 April,
/// 1 May and 2 September.
bool isExchangeHoliday(int day);

} // namespace sim::market

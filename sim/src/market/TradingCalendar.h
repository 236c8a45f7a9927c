#pragma once

#include "SimTypes.h"

#include <vector>

namespace sim::market {

/// The last market minute of a session (11:00); a complete day is seen at this minute.
inline constexpr int kLastMarketMinute = 150;

/// Which trading day the market shows at an instant and how far into it: the current market
/// minute during the session, 150 once it is over. Before the open, and on days the exchanges are
/// shut, the previous trading day is shown complete, so the market is never empty.
struct MarketMoment {
    int day = 0;
    int minute = kLastMarketMinute;
};

/// Trading days are Monday to Friday, except the exchanges' holidays; day 0 (1 January 2000) was
/// a Saturday.
bool isTradingDay(int day);

/// A consecutive numbering of trading days (the day before a holiday n, the day after it n + 1),
/// the time axis of daily prices. Defined for the trading days of 2000 to 2040; days before count
/// as the first, days after as one past the last.
int tradingIndex(int tradingDay);

int previousTradingDay(int day);
int nextTradingDay(int day);
int tradingDayOnOrBefore(int day);

/// The `count` trading days ending at `lastDay` (itself a trading day), oldest first.
std::vector<int> tradingDaysEndingAt(int lastDay, int count);

MarketMoment momentAt(const SimTime& t);

} // namespace sim::market

#pragma once

#include "SimTypes.h"

#include <vector>

namespace sim::market {

/// The last market minute of a session (11:00); a complete day is seen at this minute.
inline constexpr int kLastMarketMinute = 150;

/// Which trading day the market shows at an instant and how far into it: minute -1 before the
/// open (the day has no data yet), the current market minute during the session, 150 once the
/// session is over. Weekends show the previous trading day, complete.
struct MarketMoment {
    int day = 0;
    int minute = kLastMarketMinute;

    bool hasOpened() const { return minute >= 0; }
};

/// Trading days are Monday to Friday; day 0 (1 January 2000) was a Saturday.
bool isTradingDay(int day);

/// A consecutive numbering of trading days (Friday n, Monday n + 1), the time axis of daily prices.
int tradingIndex(int tradingDay);

int previousTradingDay(int day);
int nextTradingDay(int day);
int tradingDayOnOrBefore(int day);

/// The `count` trading days ending at `lastDay` (itself a trading day), oldest first.
std::vector<int> tradingDaysEndingAt(int lastDay, int count);

MarketMoment momentAt(const SimTime& t);

/// The latest trading day that has any data at the moment (the previous one before the open).
int latestDayWithData(const MarketMoment& moment);

} // namespace sim::market

#pragma once

namespace sim::market {

inline constexpr int kHnx = 1;
inline constexpr int kHose = 2;

/// How one exchange trades: its minutes, its daily price band and how lively its prices are.
struct ExchangeRules {
    int stockId = 0;
    int firstMinute = 0;
    int lastMinute = 0;
    int bandPercent = 0;
    /// Scales the daily moves; HoSE's narrower band gets calmer prices so that a day's close
    /// always stays inside the band.
    double moveScale = 1.0;
    /// Size of the intraday wander as a fraction of the reference price.
    double intradaySwing = 0.0;
    /// Index level of the exchange's companies at their base prices.
    double baseIndex = 0.0;

    bool trades(int minute) const { return minute >= firstMinute && minute <= lastMinute; }
    int minuteCount() const { return lastMinute - firstMinute + 1; }
};

inline constexpr ExchangeRules kHnxRules{kHnx, 0, 150, 10, 1.0, 0.016, 225.0};
inline constexpr ExchangeRules kHoseRules{kHose, 32, 105, 7, 0.85, 0.011, 1150.0};

inline const ExchangeRules& rulesFor(int stockId) {
    return stockId == kHose ? kHoseRules : kHnxRules;
}

} // namespace sim::market

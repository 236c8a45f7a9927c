#pragma once

#include <cstdint>

namespace sim::market {

inline constexpr int kHnx = 1;
inline constexpr int kHose = 2;

/// Shares trade in lots of a hundred on both exchanges.
inline constexpr std::int64_t kLotSize = 100;

/// How one exchange trades: its minutes, its daily price band, its price steps and where its
/// index stands. Prices are counted in ticks of 0.1 thousand dong (100 dong).
struct ExchangeRules {
    int stockId = 0;
    int firstMinute = 0;
    int lastMinute = 0;
    int bandPercent = 0;
    /// Price step by price level: HoSE quotes in 100 dong below 50,000, 500 dong up to 100,000 and
    /// 1,000 dong above; HNX in 100 dong throughout.
    bool steppedTicks = false;
    /// How strongly the exchange's companies follow the national market's moves.
    double marketExposure = 1.0;
    /// Size of the intraday wander as a fraction of the reference price.
    double intradaySwing = 0.0;
    /// Index level of the exchange's companies at their base prices.
    double baseIndex = 0.0;

    bool trades(int minute) const { return minute >= firstMinute && minute <= lastMinute; }
    int minuteCount() const { return lastMinute - firstMinute + 1; }

    /// The price step (in ticks) that applies at a price.
    int stepAt(int priceTicks) const {
        if (!steppedTicks || priceTicks < 500) {
            return 1;
        }
        return priceTicks < 1000 ? 5 : 10;
    }

    /// The nearest price on the exchange's steps.
    int onStep(double priceTicks) const;
    /// The highest and lowest prices allowed around a reference: the band, on the steps, inside it.
    int ceilingFor(int referenceTicks) const;
    int floorFor(int referenceTicks) const;
};

inline constexpr ExchangeRules kHnxRules{kHnx, 0, 150, 10, false, 1.1, 0.012, 235.0};
inline constexpr ExchangeRules kHoseRules{kHose, 32, 105, 7, true, 1.0, 0.009, 1250.0};

inline const ExchangeRules& rulesFor(int stockId) {
    return stockId == kHose ? kHoseRules : kHnxRules;
}

} // namespace sim::market

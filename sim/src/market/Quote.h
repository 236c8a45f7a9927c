#pragma once

#include <cstdint>

namespace sim::market {

/// A company's quote at one moment, the content of the 17-field quote record. Prices in 0.1 steps.
struct Quote {
    int companyId = 0;
    int stockId = 0;
    int minute = 0;
    int day = 0;
    int priceTicks = 0;
    int changeTicks = 0;
    double percent = 0.0;
    std::int64_t volume = 0;
    int refTicks = 0;
    /// 0 until the first trade of the day.
    int openTicks = 0;
    /// 0 until the exchange's session is over.
    int closeTicks = 0;
    std::int64_t bidQuantity = 0;
    std::int64_t askQuantity = 0;
    int ceilingTicks = 0;
    int floorTicks = 0;
    std::int64_t sellResidue = 0;
    std::int64_t buyResidue = 0;
};

} // namespace sim::market

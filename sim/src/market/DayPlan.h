#pragma once

#include "market/ExchangeRules.h"

#include <cstddef>
#include <cstdint>

namespace sim::market {

/// One company's trading day, fixed before the first minute: its band around the reference
/// (the previous close), where it opens, how far it ranges, where it closes and how much it
/// trades. Prices in 0.1 steps, on the exchange's price steps.
struct DayPlan {
    std::size_t company = 0;
    int day = 0;
    const ExchangeRules* rules = &kHnxRules;
    int refTicks = 0;
    int openTicks = 0;
    int closeTicks = 0;
    int ceilingTicks = 0;
    int floorTicks = 0;
    /// The day's highest and lowest trades and the minutes they happen (the first of the two
    /// comes first in the day).
    int highTicks = 0;
    int lowTicks = 0;
    int highMinute = 0;
    int lowMinute = 0;
    std::int64_t volume = 0;
    /// The shape of the day's cumulative volume over the session: a tilt towards the morning or the
    /// close and a wave; each below half in size, so the curve always rises.
    double volumeTilt = 0.0;
    double volumeWave = 0.0;
};

} // namespace sim::market

#pragma once

#include "market/CounterRandom.h"
#include "market/DayPlan.h"

#include <cstddef>
#include <cstdint>

namespace sim::market {

class CompanyCatalogue;

/// Daily and intraday prices and volumes of every company, each computed directly from the seed.
/// A close is the rounded value of a smooth curve over trading days whose daily moves stay well
/// inside the band, so the next day's reference is that close and no history has to be replayed.
class PriceModel final {
public:
    PriceModel(const CounterRandom& random, const CompanyCatalogue& catalogue);

    /// The closing price of a trading day, in 0.1 steps.
    int closeTicks(std::size_t company, int day) const;

    DayPlan plan(std::size_t company, int day) const;

    /// The last traded price at the minute: the reference before the exchange's first minute, the
    /// close from its last minute on.
    int priceTicks(const DayPlan& plan, int minute) const;

    /// Shares traded from the open up to and including the minute.
    std::int64_t cumulativeVolume(const DayPlan& plan, int minute) const;

private:
    double logTarget(std::size_t company, int day) const;
    double commonMove(int stockId, int index) const;
    double ownMove(std::size_t company, int index) const;

    CounterRandom m_random;
    const CompanyCatalogue& m_catalogue;
};

} // namespace sim::market

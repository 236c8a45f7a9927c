#pragma once

#include "market/CounterRandom.h"
#include "market/DailyCloses.h"
#include "market/DayPlan.h"

#include <cstddef>
#include <cstdint>

namespace sim::market {

class CompanyCatalogue;

/// Daily and intraday prices and volumes of every company: the closes come from the day-by-day
/// series, each day's open, range, path and volume straight from the seed.
class PriceModel final {
public:
    PriceModel(const CounterRandom& random, const CompanyCatalogue& catalogue);

    /// The closing price of a trading day, in 0.1 steps.
    int closeTicks(std::size_t company, int day) const;

    DayPlan plan(std::size_t company, int day) const;

    /// The last traded price at the minute: the reference before the exchange's first minute, the
    /// close from its last minute on; the day's high and low are reached on the way.
    int priceTicks(const DayPlan& plan, int minute) const;

    /// Shares traded from the open up to and including the minute.
    std::int64_t cumulativeVolume(const DayPlan& plan, int minute) const;

private:
    void planRange(DayPlan& plan) const;

    CounterRandom m_random;
    const CompanyCatalogue& m_catalogue;
    DailyCloses m_closes;
};

} // namespace sim::market

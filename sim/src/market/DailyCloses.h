#pragma once

#include "market/CounterRandom.h"

#include <cstddef>
#include <shared_mutex>
#include <vector>

namespace sim::market {

class CompanyCatalogue;

/// The closing prices of every company, trading day after trading day from the market's first
/// day. Each close follows from the one before: the day's move (the market's, the sector's and
/// the company's own, with fat tails and a volatility that clusters) is held inside the band
/// around the previous close and put on the exchange's price steps, so a day can end at the
/// ceiling or the floor and the next day's reference is that close. Days are worked out once, as
/// far as they are asked for, and kept; any thread may read.
class DailyCloses final {
public:
    DailyCloses(const CounterRandom& random, const CompanyCatalogue& catalogue);

    /// The close of a trading day in 0.1 steps; before the first day, the first day's.
    int closeTicks(std::size_t company, int day) const;

    /// The first trading day: 3 January 2023, every company at its base price.
    static int firstDay();

private:
    struct Factor {
        double variance = 0.0; ///< today's variance of the factor's shock
        double shock = 0.0;    ///< today's shock
        double level = 0.0;    ///< the sum of the moves so far (log)
    };

    void extendTo(std::size_t dayIndex) const;
    void addDay() const;
    double nextFactorMove(Factor& factor, double longRunVolatility, double reversion, Stream stream, std::int64_t key,
                          std::int64_t dayIndex) const;

    CounterRandom m_random;
    const CompanyCatalogue& m_catalogue;
    const int m_firstIndex; ///< the trading index of firstDay()
    mutable std::shared_mutex m_mutex;
    mutable std::vector<int> m_closes; ///< day-major: day index × companies + company
    mutable Factor m_market;
    mutable std::vector<Factor> m_sectors;
    mutable std::size_t m_days = 0;
};

} // namespace sim::market

#pragma once

#include "market/IndexDay.h"
#include "market/TradingCalendar.h"

#include <map>
#include <mutex>

namespace sim::market {

class CompanyCatalogue;
class PriceModel;

/// Both exchange indices, capitalisation-weighted over their companies: the sum of shares times
/// price over a divisor fixed so that the companies at their base prices stand at the exchange's
/// base level (HoSE about 1,150, HNX about 225).
class IndexCalculator final {
public:
    IndexCalculator(const CompanyCatalogue& catalogue, const PriceModel& prices);

    /// The index at a trading day's close.
    double closeValue(int stockId, int day) const;

    /// The index's day up to the moment's minute. The latest day worked out for each index is
    /// kept: a client in live mode asks several times a minute, and each working out reads every
    /// company's every minute. Thread-safe.
    IndexDay dayAt(int stockId, const MarketMoment& moment) const;

    /// Capitalisation (shares times price in 0.1 steps) per index point.
    double divisor(int stockId) const;

private:
    struct Latest {
        MarketMoment moment;
        IndexDay index;
    };

    double baseCapitalisation(int stockId) const;
    IndexDay workOutDay(int stockId, const MarketMoment& moment) const;

    const CompanyCatalogue& m_catalogue;
    const PriceModel& m_prices;
    double m_hoseDivisor = 1.0;
    double m_hnxDivisor = 1.0;
    mutable std::mutex m_latestMutex;
    mutable std::map<int, Latest> m_latest;
};

} // namespace sim::market

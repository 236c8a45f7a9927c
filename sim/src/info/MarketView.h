#pragma once

#include "SimTypes.h"
#include "market/Market.h"

#include <functional>
#include <vector>

namespace sim {

/// What the information pages need of the market: its companies and their latest prices. Kept
/// apart from Market itself so the pages can also be built over a handful of made-up companies.
struct MarketView final {
    using PriceFunction = std::function<double(int companyId, const SimTime& t)>;
    using IndexFunction = std::function<IndexSummary(int stockId, const SimTime& t)>;
    using DayFunction = std::function<int(const SimTime& t)>;
    using DayTest = std::function<bool(int day)>;

    std::vector<Company> companies;
    PriceFunction priceAt;
    IndexFunction indexAt;
    /// The trading day whose prices are shown at t (the previous session before the open).
    DayFunction sessionDayAt;
    DayTest isTradingDay;

    /// A view of a market that outlives it.
    static MarketView of(const Market& market) {
        return MarketView{
            market.companies(),
            [&market](int companyId, const SimTime& t) { return market.priceAt(companyId, t); },
            [&market](int stockId, const SimTime& t) { return market.indexAt(stockId, t); },
            [&market](const SimTime& t) { return market.sessionDayAt(t); },
            [&market](int day) { return market.isTradingDay(day); },
        };
    }
};

} // namespace sim

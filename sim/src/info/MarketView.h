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

    std::vector<Company> companies;
    PriceFunction priceAt;

    /// A view of a market that outlives it.
    static MarketView of(const Market& market) {
        return MarketView{market.companies(), [&market](int companyId, const SimTime& t) {
                              return market.priceAt(companyId, t);
                          }};
    }
};

} // namespace sim

#pragma once

#include "SimTypes.h"

namespace sim {

class Market;
class PortfolioStore;

/// realtime.aspx?type=11: the holdings of the asked categories whose current price has moved at
/// least a threshold away from the purchase price. The thresholds are distances, not prices: a
/// warning when price <= purchase - under, or price >= purchase + over. An empty "under" (the
/// client allows it) means no lower warning at all, not a distance of zero.
class PriceWarnings final {
public:
    PriceWarnings(const PortfolioStore& store, const Market& market);

    Response answer(const Request& request, long long userId, const SimTime& now) const;

private:
    const PortfolioStore& m_store;
    const Market& m_market;
};

} // namespace sim

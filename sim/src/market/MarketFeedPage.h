#pragma once

#include "SimTypes.h"
#include "market/TradingCalendar.h"

namespace sim::market {

class IndexCalculator;

/// realtime.aspx?type=1: the market overview feed. Minute records of both indices newer than the
/// revision sent (`lastupdate`, a market minute; 0 asks for the whole day), ordered by minute with
/// HNX before HoSE in a minute, then one index record per exchange. The minutes come first because
/// the overview only advances its revision on an index record that follows a minute record.
class MarketFeedPage final {
public:
    explicit MarketFeedPage(const IndexCalculator& indices)
        : m_indices(indices) {}

    Response answer(const Request& request, const MarketMoment& moment) const;

private:
    const IndexCalculator& m_indices;
};

} // namespace sim::market

#pragma once

#include "market/CounterRandom.h"
#include "market/Quote.h"
#include "market/TradingCalendar.h"

#include <cstddef>

namespace sim::market {

class CompanyCatalogue;
class PriceModel;

/// Builds company quotes at a market moment from the price model.
class QuoteBook final {
public:
    QuoteBook(const CounterRandom& random, const CompanyCatalogue& catalogue, const PriceModel& prices);

    Quote quoteAt(std::size_t company, const MarketMoment& moment) const;

private:
    std::int64_t depth(std::size_t company, int day, int minute, int side) const;

    CounterRandom m_random;
    const CompanyCatalogue& m_catalogue;
    const PriceModel& m_prices;
};

} // namespace sim::market

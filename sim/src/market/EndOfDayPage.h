#pragma once

#include "SimTypes.h"
#include "market/TradingCalendar.h"

#include <vector>

namespace sim::market {

class CompanyCatalogue;
class IndexCalculator;
class QuoteBook;

/// default.aspx: the end-of-day answer. Without `type` it carries up to `numofday` (7) trading
/// days from the day `lastupdate` on (0: the latest days); with `type=1` the one trading day
/// `lastupdate` (or the trading day before it). Records: every company (4 fields), then the index
/// days (9 fields), then the company quotes (17 fields), both in ascending order of day, as the
/// day-by-day update reads them. The header stamp is the latest day sent.
class EndOfDayPage final {
public:
    /// Trading days of history the service keeps.
    static constexpr int kHistoryDays = 90;

    EndOfDayPage(const CompanyCatalogue& catalogue, const QuoteBook& quotes, const IndexCalculator& indices)
        : m_catalogue(catalogue)
        , m_quotes(quotes)
        , m_indices(indices) {}

    Response answer(const Request& request, const MarketMoment& moment) const;

private:
    /// The trading days the request asks for, oldest first.
    std::vector<int> daysAsked(const Request& request, const MarketMoment& moment) const;
    std::string build(const std::vector<int>& days, int stamp, const MarketMoment& moment) const;

    const CompanyCatalogue& m_catalogue;
    const QuoteBook& m_quotes;
    const IndexCalculator& m_indices;
};

} // namespace sim::market

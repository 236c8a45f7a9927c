#pragma once

#include "SimTypes.h"
#include "market/TradingCalendar.h"

#include <cstddef>
#include <optional>
#include <string>

namespace sim::market {

class CompanyCatalogue;
class PriceModel;
class QuoteBook;

/// realtime.aspx?type=9: one company's intraday points newer than the revision sent
/// (`lastupdate`, a market minute; 0 asks for the whole day), then its quote, whose minute is the
/// next revision. Points come first so that the reader stamps them with the quote's day.
class CompanyIntradayPage final {
public:
    CompanyIntradayPage(const CompanyCatalogue& catalogue, const PriceModel& prices, const QuoteBook& quotes)
        : m_catalogue(catalogue)
        , m_prices(prices)
        , m_quotes(quotes) {}

    Response answer(const Request& request, const MarketMoment& moment) const;

private:
    /// The company by id, or by code when the value is not a number.
    std::optional<std::size_t> companyOf(const std::string* value) const;

    const CompanyCatalogue& m_catalogue;
    const PriceModel& m_prices;
    const QuoteBook& m_quotes;
};

} // namespace sim::market

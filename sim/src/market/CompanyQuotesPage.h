#pragma once

#include "SimTypes.h"
#include "market/TradingCalendar.h"

namespace sim::market {

class CompanyCatalogue;
class QuoteBook;

/// The company quote lists: realtime.aspx?type=2 (every company of the exchange `StockID`, by
/// code) and realtime.aspx?type=12 (the companies of `companyids`, in the order asked). Both
/// always send every asked quote: the company list re-reads the whole exchange from its store.
class CompanyQuotesPage final {
public:
    CompanyQuotesPage(const CompanyCatalogue& catalogue, const QuoteBook& quotes)
        : m_catalogue(catalogue)
        , m_quotes(quotes) {}

    Response exchangeQuotes(const Request& request, const MarketMoment& moment) const;

    /// Ids the service does not know are left out; an answer with none known is refused.
    Response watchedQuotes(const Request& request, const MarketMoment& moment) const;

private:
    const CompanyCatalogue& m_catalogue;
    const QuoteBook& m_quotes;
};

} // namespace sim::market

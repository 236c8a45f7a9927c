#include "market/CompanyQuotesPage.h"

#include "market/AnswerBuilder.h"
#include "market/CompanyCatalogue.h"
#include "market/MarketMessages.h"
#include "market/QuoteBook.h"
#include "market/RecordText.h"
#include "market/RequestValues.h"

namespace sim::market {

Response CompanyQuotesPage::exchangeQuotes(const Request& request, const MarketMoment& moment) const {
    const int stockId = intValue(request, "StockID").value_or(0);
    const std::vector<std::size_t>& listed = m_catalogue.listedOn(stockId);
    if (listed.empty()) {
        return {errorAnswer(true, kUnknownExchangeMessage), 200};
    }
    AnswerBuilder answer(moment.day);
    for (std::size_t company : listed) {
        answer.add(quoteRecord(m_quotes.quoteAt(company, moment)));
    }
    return {answer.take(), 200};
}

Response CompanyQuotesPage::watchedQuotes(const Request& request, const MarketMoment& moment) const {
    AnswerBuilder answer(moment.day);
    bool anyKnown = false;
    for (const std::string& item : listValue(request, "companyids")) {
        const std::optional<int> id = leadingInt(item);
        const std::optional<std::size_t> company = id ? m_catalogue.indexOfId(*id) : std::nullopt;
        if (company) {
            answer.add(quoteRecord(m_quotes.quoteAt(*company, moment)));
            anyKnown = true;
        }
    }
    if (!anyKnown) {
        return {errorAnswer(true, kUnknownCompanyMessage), 200};
    }
    return {answer.take(), 200};
}

} // namespace sim::market

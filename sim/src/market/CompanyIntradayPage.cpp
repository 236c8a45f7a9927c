#include "market/CompanyIntradayPage.h"

#include "market/AnswerBuilder.h"
#include "market/CompanyCatalogue.h"
#include "market/MarketMessages.h"
#include "market/PriceModel.h"
#include "market/QuoteBook.h"
#include "market/RecordText.h"
#include "market/RequestValues.h"

#include <algorithm>

namespace sim::market {

std::optional<std::size_t> CompanyIntradayPage::companyOf(const std::string* value) const {
    if (!value) {
        return std::nullopt;
    }
    if (const std::optional<int> id = leadingInt(*value)) {
        return m_catalogue.indexOfId(*id);
    }
    return m_catalogue.indexOfCode(*value);
}

Response CompanyIntradayPage::answer(const Request& request, const MarketMoment& moment) const {
    const std::optional<std::size_t> company = companyOf(findValue(request, "companyid"));
    if (!company) {
        return {errorAnswer(true, kUnknownCompanyMessage), 200};
    }
    const int revision = intValue(request, "lastupdate").value_or(0);
    const DayPlan plan = m_prices.plan(*company, moment.day);
    const ExchangeRules& rules = *plan.rules;
    const int companyId = m_catalogue.company(*company).id;

    AnswerBuilder answer(moment.day);
    const int lastTraded = std::min(moment.minute, rules.lastMinute);
    const int firstNew = revision > 0 ? std::max(rules.firstMinute, revision + 1) : rules.firstMinute;
    std::int64_t tradedBefore = m_prices.cumulativeVolume(plan, firstNew - 1);
    for (int minute = firstNew; minute <= lastTraded; ++minute) {
        const std::int64_t traded = m_prices.cumulativeVolume(plan, minute);
        answer.add(pointRecord(companyId, minute, m_prices.priceTicks(plan, minute), traded - tradedBefore));
        tradedBefore = traded;
    }
    answer.add(quoteRecord(m_quotes.quoteAt(*company, moment)));
    return {answer.take(), 200};
}

} // namespace sim::market

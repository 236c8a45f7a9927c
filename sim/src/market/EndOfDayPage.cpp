#include "market/EndOfDayPage.h"

#include "market/AnswerBuilder.h"
#include "market/CompanyCatalogue.h"
#include "market/ExchangeRules.h"
#include "market/IndexCalculator.h"
#include "market/QuoteBook.h"
#include "market/RecordText.h"
#include "market/RequestValues.h"

#include <algorithm>

namespace sim::market {

namespace {

constexpr int kDefaultDayCount = 7;

// A past trading day is complete; the current one is seen as far as the moment goes.
MarketMoment momentOf(int day, const MarketMoment& now) {
    return day == now.day ? now : MarketMoment{day, kLastMarketMinute};
}

} // namespace

std::vector<int> EndOfDayPage::daysAsked(const Request& request, const MarketMoment& moment) const {
    const int latest = moment.day;
    const std::vector<int> history = tradingDaysEndingAt(latest, kHistoryDays);
    const int asked = intValue(request, "lastupdate").value_or(0);

    if (const std::string* type = findValue(request, "type"); type && *type == "1") {
        const int day = tradingDayOnOrBefore(std::min(asked > 0 ? asked : latest, latest));
        if (day < history.front()) {
            return {};
        }
        return {day};
    }

    const int count = std::clamp(intValue(request, "numofday").value_or(kDefaultDayCount), 1, kHistoryDays);
    if (asked <= 0 || asked > latest) {
        return {history.end() - count, history.end()};
    }
    const auto first = std::lower_bound(history.begin(), history.end(), asked);
    const auto last = history.end() - first > count ? first + count : history.end();
    return {first, last};
}

Response EndOfDayPage::answer(const Request& request, const MarketMoment& moment) const {
    const std::vector<int> days = daysAsked(request, moment);
    const int stamp = days.empty() ? moment.day : days.back();
    return {build(days, stamp, moment), 200};
}

std::string EndOfDayPage::build(const std::vector<int>& days, int stamp, const MarketMoment& moment) const {
    AnswerBuilder answer(stamp);
    for (const Company& company : m_catalogue.companies()) {
        answer.add(companyRecord(company));
    }
    for (int day : days) {
        for (int stockId : {kHnx, kHose}) {
            answer.add(indexRecord(m_indices.dayAt(stockId, momentOf(day, moment))));
        }
    }
    for (int day : days) {
        const MarketMoment dayMoment = momentOf(day, moment);
        for (std::size_t company = 0; company < m_catalogue.size(); ++company) {
            answer.add(quoteRecord(m_quotes.quoteAt(company, dayMoment)));
        }
    }
    return answer.take();
}

} // namespace sim::market

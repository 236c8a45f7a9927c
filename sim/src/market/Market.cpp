#include "market/Market.h"

#include "market/CompanyCatalogue.h"
#include "market/CompanyIntradayPage.h"
#include "market/CompanyQuotesPage.h"
#include "market/CounterRandom.h"
#include "market/EndOfDayPage.h"
#include "market/IndexCalculator.h"
#include "market/MarketFeedPage.h"
#include "market/PriceModel.h"
#include "market/QuoteBook.h"
#include "market/RecordText.h"
#include "market/RequestValues.h"
#include "market/TradingCalendar.h"

#include <map>
#include <mutex>
#include <tuple>

namespace sim {

namespace {

constexpr std::size_t kKeptSummaries = 512;

enum class Page { None, EndOfDay, Overview, ExchangeQuotes, CompanyIntraday, WatchedQuotes };

bool isRealtimePage(const Request& request) {
    return market::equalsIgnoringCase(request.page, "realtime.aspx");
}

Page pageOf(const Request& request) {
    if (market::equalsIgnoringCase(request.page, "default.aspx")) {
        // No type: the days after a revision; type 1: the trading results of one day.
        const std::string* type = market::findValue(request, "type");
        return !type || *type == "1" ? Page::EndOfDay : Page::None;
    }
    if (!isRealtimePage(request)) {
        return Page::None;
    }
    switch (market::intValue(request, "type").value_or(0)) {
    case 1:
        return Page::Overview;
    case 2:
        return Page::ExchangeQuotes;
    case 9:
        return Page::CompanyIntraday;
    case 12:
        return Page::WatchedQuotes;
    default:
        return Page::None;
    }
}

} // namespace

// Members are declared in the order they depend on each other; the pages keep references.
struct Market::Impl {
    explicit Impl(std::uint64_t seed)
        : random(seed)
        , catalogue(random)
        , prices(random, catalogue)
        , quotes(random, catalogue, prices)
        , indices(catalogue, prices)
        , endOfDay(catalogue, quotes, indices)
        , overview(indices)
        , companyQuotes(catalogue, quotes)
        , intraday(catalogue, prices, quotes) {}

    market::CounterRandom random;
    market::CompanyCatalogue catalogue;
    market::PriceModel prices;
    market::QuoteBook quotes;
    market::IndexCalculator indices;
    market::EndOfDayPage endOfDay;
    market::MarketFeedPage overview;
    market::CompanyQuotesPage companyQuotes;
    market::CompanyIntradayPage intraday;
    /// Index summaries already worked out, by exchange, day and minute.
    std::mutex summaryMutex;
    std::map<std::tuple<int, int, int>, IndexSummary> summaries;
};

Market::Market(std::uint64_t seed)
    : m_impl(std::make_unique<Impl>(seed)) {}

Market::~Market() = default;

const std::vector<Company>& Market::companies() const {
    return m_impl->catalogue.companies();
}

const Company* Market::companyById(int id) const {
    const auto index = m_impl->catalogue.indexOfId(id);
    return index ? &m_impl->catalogue.company(*index) : nullptr;
}

const Company* Market::companyByCode(const std::string& code) const {
    const auto index = m_impl->catalogue.indexOfCode(code);
    return index ? &m_impl->catalogue.company(*index) : nullptr;
}

double Market::priceAt(int companyId, const SimTime& t) const {
    const auto index = m_impl->catalogue.indexOfId(companyId);
    if (!index) {
        return 0.0;
    }
    return m_impl->quotes.quoteAt(*index, market::momentAt(t)).priceTicks / 10.0;
}

IndexSummary Market::indexAt(int stockId, const SimTime& t) const {
    const market::MarketMoment moment = market::momentAt(t);
    const auto key = std::make_tuple(stockId, moment.day, moment.minute);
    {
        const std::lock_guard lock(m_impl->summaryMutex);
        if (const auto found = m_impl->summaries.find(key); found != m_impl->summaries.end()) {
            return found->second;
        }
    }
    const market::IndexDay index = m_impl->indices.dayAt(stockId, moment);
    const IndexSummary summary{index.day,       index.revision,    index.value,
                               index.reference, index.tradedValue, index.tradedQuantity};
    const std::lock_guard lock(m_impl->summaryMutex);
    // The news asks the same few moments again and again; a day's worth is plenty to keep.
    if (m_impl->summaries.size() >= kKeptSummaries) {
        m_impl->summaries.clear();
    }
    m_impl->summaries.emplace(key, summary);
    return summary;
}

int Market::sessionDayAt(const SimTime& t) const {
    return market::momentAt(t).day;
}

bool Market::isTradingDay(int day) const {
    return market::isTradingDay(day);
}

std::string Market::quoteRecord(int companyId, const SimTime& t) const {
    const auto index = m_impl->catalogue.indexOfId(companyId);
    if (!index) {
        return {};
    }
    return market::quoteRecord(m_impl->quotes.quoteAt(*index, market::momentAt(t)));
}

bool Market::handles(const Request& request) const {
    return pageOf(request) != Page::None;
}

Response Market::answer(const Request& request, const SimTime& t) const {
    const market::MarketMoment moment = market::momentAt(t);
    switch (pageOf(request)) {
    case Page::EndOfDay:
        return m_impl->endOfDay.answer(request, moment);
    case Page::Overview:
        return m_impl->overview.answer(request, moment);
    case Page::ExchangeQuotes:
        return m_impl->companyQuotes.exchangeQuotes(request, moment);
    case Page::CompanyIntraday:
        return m_impl->intraday.answer(request, moment);
    case Page::WatchedQuotes:
        return m_impl->companyQuotes.watchedQuotes(request, moment);
    case Page::None:
        break;
    }
    return {errorAnswer(isRealtimePage(request), "Yêu cầu không hợp lệ"), 200};
}

} // namespace sim

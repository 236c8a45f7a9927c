#include "InfoPages.h"

#include "BankGoldPage.h"
#include "CommodityPage.h"
#include "ExchangeRatePage.h"
#include "FinancePage.h"
#include "NewsPage.h"
#include "Noise.h"
#include "WorldGoldPage.h"
#include "WorldIndexPage.h"
#include "WorldPrices.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace sim {

namespace {

enum RealtimeType { WorldIndices = 3, ExchangeRates = 4, Commodities = 5, WorldGold = 7, BankGold = 8, Finance = 10 };

// Page names reach a Windows web server, which never minded their case.
bool samePage(const std::string& page, const char* name) {
    const std::string wanted(name);
    return std::equal(page.begin(), page.end(), wanted.begin(), wanted.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

std::optional<int> intParam(const Request& request, const std::string& key) {
    const std::string* text = request.param(key);
    if (text == nullptr) {
        return std::nullopt;
    }
    int value = 0;
    const char* end = text->data() + text->size();
    const auto [ptr, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

bool isInfoType(int type) {
    switch (type) {
    case WorldIndices:
    case ExchangeRates:
    case Commodities:
    case WorldGold:
    case BankGold:
    case Finance:
        return true;
    default:
        return false;
    }
}

} // namespace

InfoPages::InfoPages(MarketView market, std::uint64_t seed)
    : m_market(std::move(market))
    , m_noise(std::make_unique<Noise>(seed))
    , m_worldPrices(std::make_unique<WorldPrices>(*m_noise))
    , m_worldIndices(std::make_unique<WorldIndexPage>(*m_worldPrices))
    , m_exchangeRates(std::make_unique<ExchangeRatePage>(*m_worldPrices))
    , m_commodities(std::make_unique<CommodityPage>(*m_worldPrices))
    , m_worldGold(std::make_unique<WorldGoldPage>(*m_worldPrices))
    , m_bankGold(std::make_unique<BankGoldPage>(*m_noise, *m_worldPrices))
    , m_finance(std::make_unique<FinancePage>(*m_noise, m_market))
    , m_news(std::make_unique<NewsPage>(
          *m_noise, m_market, NewsFacts::of(*m_worldIndices, *m_commodities, *m_exchangeRates, *m_bankGold))) {}

InfoPages::~InfoPages() = default;

bool InfoPages::handles(const Request& request) const {
    if (samePage(request.page, "news.aspx")) {
        return true;
    }
    if (!samePage(request.page, "realtime.aspx")) {
        return false;
    }
    const std::optional<int> type = intParam(request, "type");
    return type.has_value() && isInfoType(*type);
}

Response InfoPages::answer(const Request& request, const SimTime& t) const {
    if (samePage(request.page, "news.aspx")) {
        return Response{m_news->answer(request.param("companyid"), t)};
    }
    const std::optional<int> type = intParam(request, "type");
    if (!samePage(request.page, "realtime.aspx") || !type.has_value() || !isInfoType(*type)) {
        return Response{errorAnswer(true, "Yêu cầu không hợp lệ")};
    }
    return Response{realtimeAnswer(*type, request, t)};
}

std::string InfoPages::realtimeAnswer(int type, const Request& request, const SimTime& t) const {
    // A missing or unreadable revision asks for the whole day, as a first request does.
    const int lastUpdate = intParam(request, "lastupdate").value_or(0);
    switch (type) {
    case WorldIndices:
        return m_worldIndices->answer(t);
    case ExchangeRates:
        return m_exchangeRates->answer(t);
    case Commodities:
        return m_commodities->answer(t);
    case WorldGold:
        return m_worldGold->answer(t, lastUpdate);
    case BankGold:
        return m_bankGold->answer(t, lastUpdate);
    default:
        return m_finance->answer(request.param("companyid"), t);
    }
}

} // namespace sim

#pragma once

#include "MarketView.h"
#include "SimTypes.h"

#include <cstdint>
#include <memory>

namespace sim {

class Noise;
class WorldPrices;
class WorldIndexPage;
class ExchangeRatePage;
class CommodityPage;
class WorldGoldPage;
class BankGoldPage;
class FinancePage;
class NewsPage;

/// The service's information pages: world indices, exchange rates, commodities, world and bank
/// gold (realtime.aspx types 3, 4, 5, 7, 8), company finance (type 10) and news (news.aspx).
/// Every answer is a pure function of the seed, the market and the clock.
class InfoPages final {
public:
    /// Pages over a market that outlives them.
    InfoPages(const Market& market, std::uint64_t seed)
        : InfoPages(MarketView::of(market), seed) {}

    InfoPages(MarketView market, std::uint64_t seed);
    ~InfoPages();
    InfoPages(const InfoPages&) = delete;
    InfoPages& operator=(const InfoPages&) = delete;

    bool handles(const Request& request) const;
    Response answer(const Request& request, const SimTime& t) const;

private:
    std::string realtimeAnswer(int type, const Request& request, const SimTime& t) const;

    MarketView m_market;
    std::unique_ptr<Noise> m_noise;
    std::unique_ptr<WorldPrices> m_worldPrices;
    std::unique_ptr<WorldIndexPage> m_worldIndices;
    std::unique_ptr<ExchangeRatePage> m_exchangeRates;
    std::unique_ptr<CommodityPage> m_commodities;
    std::unique_ptr<WorldGoldPage> m_worldGold;
    std::unique_ptr<BankGoldPage> m_bankGold;
    std::unique_ptr<FinancePage> m_finance;
    std::unique_ptr<NewsPage> m_news;
};

} // namespace sim

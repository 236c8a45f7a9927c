#pragma once

#include "CalendarStories.h"
#include "CompanyEvents.h"
#include "CompanyStories.h"
#include "MarketStories.h"
#include "NewsFacts.h"
#include "NewsStory.h"
#include "WorldStories.h"

#include <optional>
#include <vector>

namespace sim {

class Noise;
struct Company;
struct MarketView;

/// Writes the service's Vietnamese news. A day's headlines are one story per subject at most,
/// each at a minute of its own hours and told with the figures the price pages and the market
/// show at that minute, so no two stories of a day disagree; a company's news follows its
/// calendar of events.
class NewsWriter final {
public:
    NewsWriter(const Noise& noise, const MarketView& market, const NewsFacts& facts);

    /// The day's general stories, oldest first.
    std::vector<TimedStory> headlinesOf(int day) const;

    /// The stories of a company from firstDay to lastDay, oldest first.
    std::vector<TimedStory> companyNews(const Company& company, int firstDay, int lastDay) const;

private:
    enum class Subject {
        WallStreet,
        Oil,
        Gold,
        Dollar,
        Close,
        Liquidity,
        ForeignTrade,
        Sectors,
        Asia,
        CoffeeExports,
        ConsumerPrices,
        PolicyRates,
        DraftRules
    };

    std::optional<NewsStory> write(Subject subject, int day, int minute,
                                   const std::optional<MarketStories::Session>& session) const;

    const Noise& m_noise;
    const MarketView& m_market;
    WorldStories m_world;
    MarketStories m_session;
    CalendarStories m_calendar;
    CompanyEvents m_events;
    CompanyStories m_companies;
};

} // namespace sim

#include "NewsWriter.h"

#include "FinanceStatements.h"
#include "Noise.h"

#include <array>
#include <utility>

namespace sim {

namespace {

constexpr std::uint64_t kStream = 840;
// The first minute a story about the day's session may come out, once it has closed at 11:00.
constexpr int kSessionStoriesFrom = 665;

} // namespace

NewsWriter::NewsWriter(const Noise& noise, const MarketView& market, const NewsFacts& facts)
    : m_noise(noise)
    , m_market(market)
    , m_world(facts)
    , m_session(noise, market)
    , m_calendar(noise, facts.commodity)
    , m_events(noise, market)
    , m_companies(noise, market) {}

std::vector<TimedStory> NewsWriter::headlinesOf(int day) const {
    struct Hours {
        Subject subject;
        int from;
        int until;
    };
    // Clock minutes each subject's story may come out, apart from one another and in the order
    // of the day: Wall Street's close at breakfast, the session's stories once it is over at
    // 11:00, Asia's after its last market shuts at 16:00, the monthly ones in the evening.
    static constexpr std::array<Hours, 13> kHours{{
        {Subject::WallStreet, 375, 460},
        {Subject::Oil, 470, 505},
        {Subject::Gold, 545, 590},
        {Subject::Dollar, 600, 645},
        {Subject::Close, kSessionStoriesFrom, 685},
        {Subject::Liquidity, 695, 730},
        {Subject::ForeignTrade, 810, 860},
        {Subject::Sectors, 900, 940},
        {Subject::Asia, 975, 1015},
        {Subject::CoffeeExports, 1050, 1090},
        {Subject::ConsumerPrices, 1100, 1140},
        {Subject::PolicyRates, 1150, 1190},
        {Subject::DraftRules, 1200, 1240},
    }};
    // A finished session reads the same from its close on, so the first of its stories looks it
    // up for all of them.
    const std::optional<MarketStories::Session> session = m_session.sessionOf(day, kSessionStoriesFrom);
    std::vector<TimedStory> stories;
    for (const Hours& hours : kHours) {
        const int minute =
            hours.from + m_noise.between(0, hours.until - hours.from, kStream, day, static_cast<int>(hours.subject));
        if (std::optional<NewsStory> story = write(hours.subject, day, minute, session)) {
            stories.push_back(TimedStory{day, minute, std::move(*story)});
        }
    }
    return stories;
}

std::optional<NewsStory> NewsWriter::write(Subject subject, int day, int minute,
                                           const std::optional<MarketStories::Session>& session) const {
    switch (subject) {
    case Subject::WallStreet:
        return m_world.wallStreet(day, minute);
    case Subject::Oil:
        return m_world.oil(day, minute);
    case Subject::Gold:
        return m_world.gold(day, minute);
    case Subject::Dollar:
        return m_world.dollar(day, minute);
    case Subject::Close:
        return session ? std::optional(m_session.close(*session)) : std::nullopt;
    case Subject::Liquidity:
        return session ? std::optional(m_session.liquidity(*session)) : std::nullopt;
    case Subject::ForeignTrade:
        return session ? std::optional(m_session.foreignTrade(*session)) : std::nullopt;
    case Subject::Sectors:
        return session ? std::optional(m_session.sectors(*session)) : std::nullopt;
    case Subject::Asia:
        return m_world.asia(day, minute);
    case Subject::CoffeeExports:
        return m_calendar.coffeeExports(day, minute);
    case Subject::ConsumerPrices:
        return m_calendar.consumerPrices(day, minute);
    case Subject::PolicyRates:
        return m_calendar.policyRates(day, minute);
    case Subject::DraftRules:
        return m_calendar.draftRules(day, minute);
    }
    return std::nullopt;
}

std::vector<TimedStory> NewsWriter::companyNews(const Company& company, int firstDay, int lastDay) const {
    const FinanceStatements statements = FinanceStatements::of(m_noise, m_market, company);
    std::vector<TimedStory> stories;
    for (const CompanyEvent& event : m_events.between(company, firstDay, lastDay)) {
        if (std::optional<NewsStory> story = m_companies.write(company, statements, event)) {
            stories.push_back(TimedStory{event.day, event.minute, std::move(*story)});
        }
    }
    return stories;
}

} // namespace sim

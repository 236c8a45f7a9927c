#pragma once

#include "NewsStory.h"
#include "market/Market.h"

#include <optional>

namespace sim {

class Noise;
struct MarketView;

/// Headlines about the day's session on the two exchanges, written once it is over and told with
/// the figures the market's index feed shows. Days without a session get none.
class MarketStories final {
public:
    /// A day's finished session: both indices as the feed shows them from its close on.
    struct Session {
        int day = 0;
        IndexSummary hose;
        IndexSummary hnx;
    };

    MarketStories(const Noise& noise, const MarketView& market);

    /// The session of day when it is over at the minute; nothing on a day without one.
    std::optional<Session> sessionOf(int day, int minute) const;

    /// Both indices at the close.
    NewsStory close(const Session& session) const;
    /// The value traded on both exchanges, against the session before.
    NewsStory liquidity(const Session& session) const;
    /// Foreign investors' net trade on HoSE.
    NewsStory foreignTrade(const Session& session) const;
    /// The sector that led the day, in the day's direction.
    NewsStory sectors(const Session& session) const;

private:
    std::string sectorOf(int day, std::uint64_t which) const;
    /// The sector that drew the money or the selling of the day, named alike by every story.
    std::string leadingSector(int day) const;

    const Noise& m_noise;
    const MarketView& m_market;
};

} // namespace sim

#pragma once

#include "NewsFacts.h"
#include "NewsStory.h"

#include <optional>

namespace sim {

/// Headlines about the world's markets, gold and the dollar, each told with the figures the
/// price pages show at the story's minute. A story that has nothing new to tell that day (no
/// session behind it) is not written.
class WorldStories final {
public:
    explicit WorldStories(NewsFacts facts);

    /// Wall Street's close the morning after a US session, so never on a Sunday or Monday.
    std::optional<NewsStory> wallStreet(int day, int minute) const;
    /// The Asian markets once they have all closed for the day.
    std::optional<NewsStory> asia(int day, int minute) const;
    std::optional<NewsStory> oil(int day, int minute) const;
    /// The bank's gold price on a day it quotes.
    std::optional<NewsStory> gold(int day, int minute) const;
    /// The bank's dollar rate on a day it sets one.
    std::optional<NewsStory> dollar(int day, int minute) const;

private:
    NewsFacts m_facts;
};

} // namespace sim

#pragma once

#include "NewsFacts.h"
#include "NewsStory.h"

#include <optional>

namespace sim {

class Noise;

/// Headlines that come once a month on days the calendar fixes: last month's statistics on the
/// sixth, the central bank's and the finance ministry's word on a weekday of their own. Every
/// figure of a month is drawn from the month alone, so it never changes from one telling to
/// the next.
class CalendarStories final {
public:
    CalendarStories(const Noise& noise, NewsFacts::IdQuote commodity);

    std::optional<NewsStory> coffeeExports(int day, int minute) const;
    std::optional<NewsStory> consumerPrices(int day, int minute) const;
    std::optional<NewsStory> policyRates(int day, int minute) const;
    std::optional<NewsStory> draftRules(int day, int minute) const;

private:
    /// The weekday of day's month on which a monthly story runs: the first on or after a day of
    /// the month drawn between firstDay and firstDay + spread.
    int runDay(int day, int firstDay, int spread, std::uint64_t which) const;

    const Noise& m_noise;
    NewsFacts::IdQuote m_commodity;
};

} // namespace sim

#pragma once

#include "SimTypes.h"

#include <string>

namespace sim {

class WorldPrices;

/// realtime.aspx?type=7&lastupdate=: the world gold price of the day, a price every five minutes
/// from 00:05, and a quote record with the latest price and the previous session's close. The
/// price is the commodity page's gold, so the two pages always agree. Minute records come only
/// after the `lastupdate` minute, so the client's answers of a day add up to the whole chart
/// without repeats.
class WorldGoldPage final {
public:
    explicit WorldGoldPage(const WorldPrices& prices);

    std::string answer(const SimTime& t, int lastUpdate) const;

    static constexpr int kStep = 5;

private:
    const WorldPrices& m_prices;
};

} // namespace sim

#pragma once

#include "Instrument.h"
#include "SimTypes.h"

#include <string>

namespace sim {

class WorldPrices;

/// realtime.aspx?type=5: the ten commodities of the client's name table (ids 1 to 10), each
/// with the time of its latest price, the price, its change and change in percent. Gold (id 4) is
/// the world gold series the gold pages show.
class CommodityPage final {
public:
    explicit CommodityPage(const WorldPrices& prices);

    std::string answer(const SimTime& t) const;

    /// The latest price of one commodity (id 1 to 10) at t.
    InstrumentQuote quoteAt(int id, const SimTime& t) const;

private:
    const WorldPrices& m_prices;
};

} // namespace sim

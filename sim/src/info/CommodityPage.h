#pragma once

#include "Instrument.h"
#include "SimTypes.h"

#include <string>
#include <vector>

namespace sim {

class Noise;

/// realtime.aspx?type=5: the ten commodities of the client's name table (ids 1 to 10), each
/// with the time of its latest price, the price, its change and change in percent.
class CommodityPage final {
public:
    explicit CommodityPage(const Noise& noise);

    std::string answer(const SimTime& t) const;

    /// The latest price of one commodity (id 1 to 10) at t.
    InstrumentQuote quoteAt(int id, const SimTime& t) const;

private:
    struct Commodity {
        int id = 0;
        Instrument instrument;
        int decimals = 2;
    };

    std::vector<Commodity> m_commodities;
};

} // namespace sim

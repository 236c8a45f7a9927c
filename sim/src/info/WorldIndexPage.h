#pragma once

#include "Instrument.h"
#include "SimTypes.h"

#include <cstddef>
#include <string>

namespace sim {

class WorldPrices;

/// realtime.aspx?type=3: the ten world stock indices (ids 1 to 10 of the client's name table),
/// each with the time of its latest value, its value, change and change in percent.
class WorldIndexPage final {
public:
    explicit WorldIndexPage(const WorldPrices& prices);

    std::string answer(const SimTime& t) const;

    /// The latest value of one index at t (position 0 is the Dow Jones, in the id order above).
    InstrumentQuote quoteAt(std::size_t position, const SimTime& t) const;

    static constexpr std::size_t kCount = 10;

private:
    const WorldPrices& m_prices; ///< index id = position + 1
};

} // namespace sim

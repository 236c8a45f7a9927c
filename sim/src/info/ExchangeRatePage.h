#pragma once

#include "Instrument.h"
#include "SimTypes.h"

#include <string>

namespace sim {

class WorldPrices;

/// realtime.aspx?type=4: exchange rates. Ids 1 to 8 are world pairs quoted around the clock on
/// weekdays; ids 9 to 16 the bank's rates of its currencies against the dong, set during office
/// hours from its dollar rate and the world pairs at the same instant. Each record carries a
/// reference price and the buying and selling rates around it.
class ExchangeRatePage final {
public:
    explicit ExchangeRatePage(const WorldPrices& prices);

    std::string answer(const SimTime& t) const;

    /// The reference price of one rate (id 1 to 16, as in the answer) at t.
    InstrumentQuote quoteAt(int id, const SimTime& t) const;

    static constexpr int kFirstBankId = 9;
    static constexpr int kLastId = 16;

private:
    InstrumentQuote bankQuoteAt(int id, const SimTime& t) const;
    int decimalsOf(int id) const;

    const WorldPrices& m_prices;
};

} // namespace sim

#pragma once

#include "Instrument.h"
#include "SimTypes.h"

#include <string>
#include <vector>

namespace sim {

class Noise;

/// realtime.aspx?type=4: exchange rates. Ids 1 to 8 are world pairs quoted around the clock on
/// weekdays; ids 9 to 16 the bank's rates of its currencies against the dong, set during office
/// hours. Each record carries a reference price and the buying and selling rates around it.
class ExchangeRatePage final {
public:
    explicit ExchangeRatePage(const Noise& noise);

    std::string answer(const SimTime& t) const;

    /// The reference price of one rate (id 1 to 16, as in the answer) at t.
    InstrumentQuote quoteAt(int id, const SimTime& t) const;

private:
    struct Rate {
        Instrument instrument;
        int decimals = 0;
        double halfSpread = 0.0; ///< relative
    };

    std::vector<Rate> m_rates; ///< currency id = position + 1
};

} // namespace sim

#pragma once

#include "Instrument.h"
#include "SimTypes.h"

#include <cstddef>
#include <functional>

namespace sim {

class WorldIndexPage;
class CommodityPage;
class ExchangeRatePage;
class BankGoldPage;

/// The quotes the news reports on, as the price pages show them at an instant. Kept apart from
/// the pages themselves so the news can also be written over made-up quotes.
struct NewsFacts final {
    using PositionQuote = std::function<InstrumentQuote(std::size_t position, const SimTime& t)>;
    using IdQuote = std::function<InstrumentQuote(int id, const SimTime& t)>;
    using Quote = std::function<InstrumentQuote(const SimTime& t)>;

    /// 0 Dow Jones, 1 S&P 500, 2 Nasdaq, 3 FTSE 100, 4 DAX, 5 Nikkei 225, 6 Hang Seng,
    /// 7 Straits Times, 8 S&P/ASX 200, 9 Shanghai Composite.
    PositionQuote worldIndex;
    /// 1 WTI, 2 Brent, 3 natural gas, 4 gold, 5 silver, 6 copper, 7 platinum, 8 wheat, 9 corn,
    /// 10 Robusta coffee.
    IdQuote commodity;
    /// 9 is the bank's USD reference rate in dong.
    IdQuote exchangeRate;
    /// The bank's gold price, thousand dong a tael.
    Quote bankGold;

    /// The facts of pages that outlive them.
    static NewsFacts of(const WorldIndexPage& worldIndices, const CommodityPage& commodities,
                        const ExchangeRatePage& exchangeRates, const BankGoldPage& bankGold);
};

} // namespace sim

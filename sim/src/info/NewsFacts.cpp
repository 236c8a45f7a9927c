#include "NewsFacts.h"

#include "BankGoldPage.h"
#include "CommodityPage.h"
#include "ExchangeRatePage.h"
#include "WorldIndexPage.h"

namespace sim {

NewsFacts NewsFacts::of(const WorldIndexPage& worldIndices, const CommodityPage& commodities,
                        const ExchangeRatePage& exchangeRates, const BankGoldPage& bankGold) {
    return NewsFacts{
        [&worldIndices](std::size_t position, const SimTime& t) { return worldIndices.quoteAt(position, t); },
        [&commodities](int id, const SimTime& t) { return commodities.quoteAt(id, t); },
        [&exchangeRates](int id, const SimTime& t) { return exchangeRates.quoteAt(id, t); },
        [&bankGold](const SimTime& t) { return bankGold.quoteAt(t); },
    };
}

} // namespace sim

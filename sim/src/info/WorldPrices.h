#pragma once

#include "Instrument.h"

#include <cstddef>
#include <vector>

namespace sim {

class Noise;

/// Every price series behind the world and bank pages, built once so that a price shown on two
/// pages is one series: the world stock indices, the world currency pairs, the commodities (gold
/// among them) and the bank's dollar rate, which turns world prices into dong. Levels are those of
/// mid-2024; related series share part of their daily shocks.
class WorldPrices final {
public:
    explicit WorldPrices(const Noise& noise);

    static constexpr std::size_t kIndexCount = 10;
    static constexpr std::size_t kPairCount = 8;
    static constexpr int kCommodityCount = 10;
    static constexpr int kGoldId = 4;

    /// Dow Jones, S&P 500, Nasdaq Composite, FTSE 100, DAX, Nikkei 225, Hang Seng, Straits Times,
    /// S&P/ASX 200, Shanghai Composite.
    const Instrument& index(std::size_t position) const { return m_indices.at(position); }

    /// EUR/USD, USD/JPY, GBP/USD, USD/CHF, AUD/USD, USD/CAD, USD/CNY, USD/SGD.
    const Instrument& pair(std::size_t position) const { return m_pairs.at(position); }

    /// Id 1 to 10: WTI crude, Brent, natural gas, gold, silver, copper, platinum (USD), wheat and
    /// corn (US cents a bushel), Robusta coffee (USD a tonne).
    const Instrument& commodity(int id) const { return m_commodities.at(static_cast<std::size_t>(id - 1)); }

    /// World gold in USD a troy ounce.
    const Instrument& gold() const { return commodity(kGoldId); }

    /// The bank's reference rate of the dollar in dong, set during its office hours.
    const Instrument& dollarInDong() const { return m_dollarInDong; }

private:
    std::vector<Instrument> m_indices;
    std::vector<Instrument> m_pairs;
    std::vector<Instrument> m_commodities;
    Instrument m_dollarInDong;
};

} // namespace sim

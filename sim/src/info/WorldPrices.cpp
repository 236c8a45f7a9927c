#include "WorldPrices.h"

namespace sim {

namespace {

// Streams of the shocks that several series share. American indices move mostly together, world
// markets a little; the dollar pulls every pair; oil, precious metals and grains each move as a
// market.
constexpr std::uint64_t kUsStocks = 0xFAC70001U;
constexpr std::uint64_t kWorldStocks = 0xFAC70002U;
constexpr std::uint64_t kDollar = 0xFAC70003U;
constexpr std::uint64_t kOil = 0xFAC70004U;
constexpr std::uint64_t kPreciousMetals = 0xFAC70005U;
constexpr std::uint64_t kGrains = 0xFAC70006U;
constexpr FactorLoading kAlone{};

struct SeriesShape {
    double centre;
    double dailyMove;
    double wander;
    int decimals;
    int openMinute; // Vietnamese clock
    int length;
    FactorLoading first;
    FactorLoading second;
};

// The American sessions open at 21:30 here and run past midnight, so their latest value often
// carries the next day's key.
constexpr SeriesShape kIndices[] = {
    {39000.0, 0.0105, 0.06, 2, 1290, 390, {kUsStocks, 0.91}, {kWorldStocks, 0.33}}, // Dow Jones
    {5400.0, 0.0105, 0.06, 2, 1290, 390, {kUsStocks, 0.93}, {kWorldStocks, 0.33}},  // S&P 500
    {17500.0, 0.0130, 0.07, 2, 1290, 390, {kUsStocks, 0.91}, {kWorldStocks, 0.30}}, // Nasdaq Composite
    {8200.0, 0.0080, 0.055, 2, 900, 510, {kWorldStocks, 0.45}, kAlone},             // FTSE 100
    {18300.0, 0.0095, 0.06, 2, 840, 510, {kWorldStocks, 0.50}, kAlone},             // DAX
    {39000.0, 0.0120, 0.07, 2, 420, 360, {kWorldStocks, 0.40}, kAlone},             // Nikkei 225
    {17800.0, 0.0130, 0.075, 2, 510, 390, {kWorldStocks, 0.40}, kAlone},            // Hang Seng
    {3350.0, 0.0065, 0.045, 2, 480, 480, {kWorldStocks, 0.40}, kAlone},             // Straits Times
    {7800.0, 0.0080, 0.055, 2, 420, 360, {kWorldStocks, 0.45}, kAlone},             // S&P/ASX 200
    {2950.0, 0.0110, 0.07, 2, 510, 330, {kWorldStocks, 0.25}, kAlone},              // Shanghai Composite
};

// Around the clock on weekdays: Monday 05:00 here is the Sunday-evening open in Sydney. A pair
// quoted against the dollar moves with it (positive weight) or against it.
constexpr SeriesShape kPairs[] = {
    {1.08, 0.0045, 0.035, 4, 300, 1440, {kDollar, -0.75}, kAlone},  // EUR/USD
    {157.0, 0.0060, 0.045, 2, 300, 1440, {kDollar, 0.55}, kAlone},  // USD/JPY
    {1.27, 0.0045, 0.035, 4, 300, 1440, {kDollar, -0.70}, kAlone},  // GBP/USD
    {0.89, 0.0050, 0.04, 4, 300, 1440, {kDollar, 0.70}, kAlone},    // USD/CHF
    {0.665, 0.0060, 0.045, 4, 300, 1440, {kDollar, -0.60}, kAlone}, // AUD/USD
    {1.37, 0.0040, 0.03, 4, 300, 1440, {kDollar, 0.55}, kAlone},    // USD/CAD
    {7.26, 0.0015, 0.012, 4, 300, 1440, {kDollar, 0.45}, kAlone},   // USD/CNY, a managed rate
    {1.35, 0.0028, 0.022, 4, 300, 1440, {kDollar, 0.70}, kAlone},   // USD/SGD
};

// The bank sets its dollar rate from 08:00 to 17:00, inside the central bank's narrow band.
constexpr SeriesShape kDollarInDong = {25450.0, 0.0007, 0.006, 0, 480, 540, kAlone, kAlone};

// Commodity id order; wheat and corn trade Chicago hours, coffee London hours.
constexpr SeriesShape kCommodities[] = {
    {81.0, 0.018, 0.09, 2, 360, 1380, {kOil, 0.95}, kAlone},              // WTI crude
    {85.0, 0.017, 0.09, 2, 420, 1320, {kOil, 0.95}, kAlone},              // Brent
    {2.6, 0.030, 0.10, 3, 360, 1380, kAlone, kAlone},                     // natural gas
    {2350.0, 0.010, 0.06, 2, 360, 1380, {kPreciousMetals, 0.85}, kAlone}, // gold
    {29.5, 0.018, 0.09, 3, 360, 1380, {kPreciousMetals, 0.85}, kAlone},   // silver
    {4.4, 0.013, 0.07, 3, 360, 1380, {kWorldStocks, 0.30}, kAlone},       // copper, USD a pound
    {990.0, 0.014, 0.07, 2, 360, 1380, {kPreciousMetals, 0.55}, kAlone},  // platinum
    {590.0, 0.018, 0.09, 2, 420, 1215, {kGrains, 0.70}, kAlone},          // wheat
    {420.0, 0.015, 0.08, 2, 420, 1215, {kGrains, 0.70}, kAlone},          // corn
    {4100.0, 0.018, 0.09, 0, 900, 510, kAlone, kAlone},                   // Robusta coffee
};

constexpr std::uint64_t kIndexKeys = 100;
constexpr std::uint64_t kPairKeys = 200;
constexpr std::uint64_t kDollarKey = 209;
constexpr std::uint64_t kCommodityKeys = 300;

Instrument instrumentOf(const Noise& noise, std::uint64_t key, const SeriesShape& shape) {
    InstrumentProfile profile;
    profile.key = key;
    profile.centre = shape.centre;
    profile.dailyMove = shape.dailyMove;
    profile.wander = shape.wander;
    profile.factors = {shape.first, shape.second};
    profile.openMinute = shape.openMinute;
    profile.sessionLength = shape.length;
    profile.decimals = shape.decimals;
    return {noise, profile};
}

template <typename Shapes>
std::vector<Instrument> seriesOf(const Noise& noise, std::uint64_t keys, const Shapes& shapes) {
    std::vector<Instrument> series;
    std::uint64_t key = keys;
    for (const SeriesShape& shape : shapes) {
        series.push_back(instrumentOf(noise, ++key, shape));
    }
    return series;
}

} // namespace

WorldPrices::WorldPrices(const Noise& noise)
    : m_indices(seriesOf(noise, kIndexKeys, kIndices))
    , m_pairs(seriesOf(noise, kPairKeys, kPairs))
    , m_commodities(seriesOf(noise, kCommodityKeys, kCommodities))
    , m_dollarInDong(instrumentOf(noise, kDollarKey, kDollarInDong)) {}

} // namespace sim

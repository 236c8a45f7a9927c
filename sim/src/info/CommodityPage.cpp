#include "CommodityPage.h"

#include "AnswerText.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

struct CommodityShape {
    double base;
    double dailyMove;
    int decimals;
    int openMinute; // Vietnamese clock
    int length;
};

// WTI crude, Brent, natural gas, gold, silver, copper, platinum (USD); wheat and corn (US cents a
// bushel, Chicago hours); Robusta coffee (USD a tonne, London hours).
constexpr CommodityShape kCommodities[] = {
    {90.0, 0.018, 2, 360, 1380},   {105.0, 0.016, 2, 420, 1320}, {3.2, 0.03, 3, 360, 1380},
    {1650.0, 0.01, 2, 360, 1380},  {30.0, 0.018, 3, 360, 1380},  {3.6, 0.013, 3, 360, 1380},
    {1550.0, 0.012, 2, 360, 1380}, {750.0, 0.015, 2, 420, 1215}, {650.0, 0.015, 2, 420, 1215},
    {2000.0, 0.015, 0, 900, 510},
};

constexpr std::uint64_t kKeyBase = 300;

} // namespace

CommodityPage::CommodityPage(const Noise& noise) {
    int id = 0;
    for (const CommodityShape& shape : kCommodities) {
        ++id;
        InstrumentProfile profile;
        profile.key = kKeyBase + static_cast<std::uint64_t>(id);
        profile.base = shape.base;
        profile.dailyMove = shape.dailyMove;
        profile.openMinute = shape.openMinute;
        profile.sessionLength = shape.length;
        profile.tick = std::pow(10.0, -shape.decimals);
        m_commodities.push_back(Commodity{id, Instrument(noise, profile), shape.decimals});
    }
}

InstrumentQuote CommodityPage::quoteAt(int id, const SimTime& t) const {
    return m_commodities.at(static_cast<std::size_t>(id - 1)).instrument.quoteAt(t);
}

std::string CommodityPage::answer(const SimTime& t) const {
    struct Row {
        InstrumentQuote quote;
        const Commodity* commodity;
    };
    std::vector<Row> rows;
    for (const Commodity& commodity : m_commodities) {
        rows.push_back(Row{commodity.instrument.quoteAt(t), &commodity});
    }
    // The client stores each record under a running day that only follows the records' own
    // days when they never go down; oldest days first keeps every stored day right.
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.quote.day < b.quote.day; });

    AnswerText answer(t.day);
    for (const Row& row : rows) {
        const int decimals = row.commodity->decimals;
        const double change = row.quote.value - row.quote.previousClose;
        answer.addRecord({std::to_string(row.quote.day), std::to_string(row.quote.minute),
                          std::to_string(row.commodity->id), AnswerText::fixed(row.quote.value, decimals),
                          AnswerText::fixed(change, decimals),
                          AnswerText::fixed(change / row.quote.previousClose * 100.0, 2)});
    }
    return answer.text();
}

} // namespace sim

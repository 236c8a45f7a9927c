#include "CommodityPage.h"

#include "AnswerText.h"
#include "WorldPrices.h"

#include <algorithm>
#include <vector>

namespace sim {

CommodityPage::CommodityPage(const WorldPrices& prices)
    : m_prices(prices) {}

InstrumentQuote CommodityPage::quoteAt(int id, const SimTime& t) const {
    return m_prices.commodity(id).quoteAt(t);
}

std::string CommodityPage::answer(const SimTime& t) const {
    struct Row {
        int id;
        InstrumentQuote quote;
    };
    std::vector<Row> rows;
    for (int id = 1; id <= WorldPrices::kCommodityCount; ++id) {
        rows.push_back(Row{id, quoteAt(id, t)});
    }
    // The client stores each record under a running day that only follows the records' own
    // days when they never go down; oldest days first keeps every stored day right.
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.quote.day < b.quote.day; });

    AnswerText answer(t.day);
    for (const Row& row : rows) {
        const int decimals = m_prices.commodity(row.id).profile().decimals;
        const double change = row.quote.value - row.quote.previousClose;
        answer.addRecord({std::to_string(row.quote.day), std::to_string(row.quote.minute), std::to_string(row.id),
                          AnswerText::fixed(row.quote.value, decimals), AnswerText::fixed(change, decimals),
                          AnswerText::fixed(change / row.quote.previousClose * 100.0, 2)});
    }
    return answer.text();
}

} // namespace sim

#include "WorldGoldPage.h"

#include "AnswerText.h"
#include "WorldPrices.h"

#include <algorithm>

namespace sim {

WorldGoldPage::WorldGoldPage(const WorldPrices& prices)
    : m_prices(prices) {}

std::string WorldGoldPage::answer(const SimTime& t, int lastUpdate) const {
    const Instrument& gold = m_prices.gold();
    AnswerText answer(t.day);
    // No price at minute 0: a revision of 0 means "from the start" to the client, and a record
    // there would come back with every later answer.
    const int first = std::max(kStep, (lastUpdate / kStep + 1) * kStep);
    // Outside the sessions the chart holds the last price; the record keeps the chart's minute.
    int minute = first;
    for (const InstrumentQuote& quote : gold.quotesEvery(t.day, first, t.clockMinute, kStep)) {
        answer.addRecord({"1", std::to_string(minute), AnswerText::fixed(quote.value, 2)});
        minute += kStep;
    }
    const InstrumentQuote latest = gold.quoteAt(t);
    const double change = latest.value - latest.previousClose;
    answer.addRecord({"1", AnswerText::fixed(change, 2), AnswerText::fixed(change / latest.previousClose * 100.0, 2),
                      std::to_string(t.clockMinute), AnswerText::fixed(latest.value, 2),
                      AnswerText::fixed(latest.previousClose, 2), std::to_string(t.day)});
    return answer.text();
}

} // namespace sim

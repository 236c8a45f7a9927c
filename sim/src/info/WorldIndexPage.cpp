#include "WorldIndexPage.h"

#include "AnswerText.h"
#include "WorldPrices.h"

namespace sim {

static_assert(WorldIndexPage::kCount == WorldPrices::kIndexCount);

WorldIndexPage::WorldIndexPage(const WorldPrices& prices)
    : m_prices(prices) {}

InstrumentQuote WorldIndexPage::quoteAt(std::size_t position, const SimTime& t) const {
    return m_prices.index(position).quoteAt(t);
}

std::string WorldIndexPage::answer(const SimTime& t) const {
    AnswerText answer(t.day);
    for (std::size_t position = 0; position < kCount; ++position) {
        const InstrumentQuote quote = quoteAt(position, t);
        const double change = quote.value - quote.previousClose;
        answer.addRecord({std::to_string(position + 1), std::to_string(quote.day), std::to_string(quote.minute),
                          AnswerText::fixed(quote.value, 2), AnswerText::fixed(change, 2),
                          AnswerText::fixed(change / quote.previousClose * 100.0, 2)});
    }
    return answer.text();
}

} // namespace sim

#include "WorldIndexPage.h"

#include "AnswerText.h"

namespace sim {

namespace {

struct IndexSession {
    double base;
    double dailyMove;
    int openMinute; // Vietnamese clock
    int length;
};

// In the order of the client's name table: Dow Jones, S&P 500, Nasdaq, FTSE 100, DAX, Nikkei 225,
// Hang Seng, Straits Times, S&P/ASX 200, Shanghai Composite. The American sessions run past
// midnight here, so their latest value often carries the next day's key.
constexpr IndexSession kIndices[] = {
    {13000.0, 0.009, 1290, 390}, {1400.0, 0.009, 1290, 390}, {3000.0, 0.011, 1290, 390}, {5800.0, 0.009, 900, 510},
    {7200.0, 0.011, 840, 510},   {9500.0, 0.011, 420, 360},  {21000.0, 0.011, 510, 390}, {3000.0, 0.008, 480, 480},
    {4300.0, 0.008, 420, 360},   {2300.0, 0.011, 510, 330},
};

constexpr std::uint64_t kKeyBase = 100;

} // namespace

WorldIndexPage::WorldIndexPage(const Noise& noise) {
    std::uint64_t key = kKeyBase;
    for (const IndexSession& index : kIndices) {
        InstrumentProfile profile;
        profile.key = ++key;
        profile.base = index.base;
        profile.dailyMove = index.dailyMove;
        profile.openMinute = index.openMinute;
        profile.sessionLength = index.length;
        m_indices.emplace_back(noise, profile);
    }
}

InstrumentQuote WorldIndexPage::quoteAt(std::size_t position, const SimTime& t) const {
    return m_indices.at(position).quoteAt(t);
}

std::string WorldIndexPage::answer(const SimTime& t) const {
    AnswerText answer(t.day);
    int id = 0;
    for (const Instrument& index : m_indices) {
        ++id;
        const InstrumentQuote quote = index.quoteAt(t);
        const double change = quote.value - quote.previousClose;
        answer.addRecord({std::to_string(id), std::to_string(quote.day), std::to_string(quote.minute),
                          AnswerText::fixed(quote.value, 2), AnswerText::fixed(change, 2),
                          AnswerText::fixed(change / quote.previousClose * 100.0, 2)});
    }
    return answer.text();
}

} // namespace sim

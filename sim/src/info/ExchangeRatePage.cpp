#include "ExchangeRatePage.h"

#include "AnswerText.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

struct RateShape {
    double base;
    double dailyMove;
    int decimals;
    double halfSpread;
};

// World pairs: EUR/USD, USD/JPY, GBP/USD, USD/CHF, AUD/USD, USD/CAD, USD/CNY, USD/SGD.
constexpr RateShape kWorldPairs[] = {
    {1.30, 0.005, 4, 0.0001}, {80.0, 0.005, 2, 0.0001}, {1.58, 0.005, 4, 0.0001}, {0.93, 0.005, 4, 0.0001},
    {1.03, 0.006, 4, 0.0001}, {1.00, 0.004, 4, 0.0001}, {6.30, 0.001, 4, 0.0002}, {1.25, 0.003, 4, 0.0002},
};

// The bank's rates against the dong: USD, EUR, JPY, GBP, AUD, CHF, CAD, SGD.
constexpr RateShape kBankRates[] = {
    {20850.0, 0.0005, 0, 0.001}, {27000.0, 0.005, 0, 0.006}, {260.5, 0.005, 2, 0.006},   {32700.0, 0.005, 0, 0.007},
    {21500.0, 0.006, 0, 0.007},  {22400.0, 0.005, 0, 0.007}, {20800.0, 0.004, 0, 0.007}, {16700.0, 0.003, 0, 0.007},
};

constexpr int kWorldOpen = 300; // Monday 05:00 here is the Sunday-evening open in Sydney
constexpr int kBankOpen = 480;
constexpr int kBankHours = 540;
constexpr std::uint64_t kKeyBase = 200;

} // namespace

ExchangeRatePage::ExchangeRatePage(const Noise& noise) {
    std::uint64_t key = kKeyBase;
    auto add = [&](const RateShape& shape, int open, int length) {
        InstrumentProfile profile;
        profile.key = ++key;
        profile.base = shape.base;
        profile.dailyMove = shape.dailyMove;
        profile.openMinute = open;
        profile.sessionLength = length;
        profile.tick = std::pow(10.0, -shape.decimals);
        m_rates.push_back(Rate{Instrument(noise, profile), shape.decimals, shape.halfSpread});
    };
    for (const RateShape& shape : kWorldPairs) {
        add(shape, kWorldOpen, 1440);
    }
    for (const RateShape& shape : kBankRates) {
        add(shape, kBankOpen, kBankHours);
    }
}

InstrumentQuote ExchangeRatePage::quoteAt(int id, const SimTime& t) const {
    return m_rates.at(static_cast<std::size_t>(id - 1)).instrument.quoteAt(t);
}

std::string ExchangeRatePage::answer(const SimTime& t) const {
    AnswerText answer(t.day);
    int id = 0;
    for (const Rate& rate : m_rates) {
        ++id;
        const InstrumentQuote quote = rate.instrument.quoteAt(t);
        const double tick = rate.instrument.profile().tick;
        // At least one tick either side, so buying always stays below selling.
        const double spread = std::max(tick, std::round(quote.value * rate.halfSpread / tick) * tick);
        answer.addRecord({std::to_string(quote.day), std::to_string(quote.minute), std::to_string(id),
                          AnswerText::fixed(quote.value, rate.decimals),
                          AnswerText::fixed(quote.value - spread, rate.decimals),
                          AnswerText::fixed(quote.value + spread, rate.decimals)});
    }
    return answer.text();
}

} // namespace sim

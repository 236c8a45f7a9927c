#include "ExchangeRatePage.h"

#include "AnswerText.h"
#include "WorldPrices.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace sim {

namespace {

// Relative half spreads of the world pairs EUR/USD … USD/SGD.
constexpr double kWorldHalfSpreads[] = {0.0001, 0.0001, 0.0001, 0.0001, 0.0001, 0.0001, 0.0002, 0.0002};

/// One of the bank's currencies, priced from its world pair and the bank's dollar rate.
struct BankCurrency {
    int pair;          // position of its pair against the dollar; -1 for the dollar itself
    bool dollarFirst;  // a USD/XXX pair: the currency is worth the dollar rate over the pair
    int decimals;      // of its dong price
    double halfSpread; // relative; wider for the currencies the bank trades less
};

// The bank's currencies in id order: USD, EUR, JPY, GBP, AUD, CHF, CAD, SGD.
constexpr BankCurrency kBankCurrencies[] = {
    {-1, false, 0, 0.0045}, {0, false, 0, 0.012}, {1, true, 2, 0.015}, {2, false, 0, 0.012},
    {4, false, 0, 0.013},   {3, true, 0, 0.013},  {5, true, 0, 0.013}, {7, true, 0, 0.012},
};

const BankCurrency& bankCurrency(int id) {
    return kBankCurrencies[static_cast<std::size_t>(id - ExchangeRatePage::kFirstBankId)];
}

double roundTo(double value, int decimals) {
    const double tick = std::pow(10.0, -decimals);
    return std::round(value / tick) * tick;
}

double inDong(const BankCurrency& currency, double pairValue, double dollarInDong) {
    const double dong = currency.dollarFirst ? dollarInDong / pairValue : dollarInDong * pairValue;
    return roundTo(dong, currency.decimals);
}

} // namespace

ExchangeRatePage::ExchangeRatePage(const WorldPrices& prices)
    : m_prices(prices) {}

InstrumentQuote ExchangeRatePage::quoteAt(int id, const SimTime& t) const {
    if (id >= kFirstBankId) {
        return bankQuoteAt(id, t);
    }
    return m_prices.pair(static_cast<std::size_t>(id - 1)).quoteAt(t);
}

InstrumentQuote ExchangeRatePage::bankQuoteAt(int id, const SimTime& t) const {
    const BankCurrency& currency = bankCurrency(id);
    const Instrument& dollar = m_prices.dollarInDong();
    InstrumentQuote quote = dollar.quoteAt(t);
    if (currency.pair < 0) {
        return quote;
    }
    // The bank prices every currency at the instant it sets its dollar rate, and its previous
    // close at the close of its previous day.
    const Instrument& pair = m_prices.pair(static_cast<std::size_t>(currency.pair));
    const SimTime set{quote.day, quote.minute, 0};
    const SimTime closed = dollar.closeTime(dollar.sessionBefore(quote.sessionDay));
    quote.value = inDong(currency, pair.quoteAt(set).value, quote.value);
    quote.previousClose = inDong(currency, pair.quoteAt(closed).value, quote.previousClose);
    return quote;
}

int ExchangeRatePage::decimalsOf(int id) const {
    if (id >= kFirstBankId) {
        return bankCurrency(id).decimals;
    }
    return m_prices.pair(static_cast<std::size_t>(id - 1)).profile().decimals;
}

std::string ExchangeRatePage::answer(const SimTime& t) const {
    AnswerText answer(t.day);
    for (int id = 1; id <= kLastId; ++id) {
        const InstrumentQuote quote = quoteAt(id, t);
        const int decimals = decimalsOf(id);
        const double halfSpread =
            id >= kFirstBankId ? bankCurrency(id).halfSpread : kWorldHalfSpreads[static_cast<std::size_t>(id - 1)];
        const double tick = std::pow(10.0, -decimals);
        // At least one tick either side, so buying always stays below selling.
        const double spread = std::max(tick, roundTo(quote.value * halfSpread, decimals));
        answer.addRecord({std::to_string(quote.day), std::to_string(quote.minute), std::to_string(id),
                          AnswerText::fixed(quote.value, decimals), AnswerText::fixed(quote.value - spread, decimals),
                          AnswerText::fixed(quote.value + spread, decimals)});
    }
    return answer.text();
}

} // namespace sim

#include "BankGoldPage.h"

#include "AnswerText.h"
#include "Noise.h"
#include "WorldPrices.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace sim {

namespace {

constexpr std::uint64_t kKey = 401;
constexpr unsigned kMondayToSaturday = 0x3FU;
// A tael is 37.5 g, a troy ounce 31.1035 g.
constexpr double kOuncesPerTael = 1.20565;
// Domestic gold sells above the world price converted; the gap follows local demand and moves
// over weeks, never from one quote to the next.
constexpr double kPremiumCentre = 0.06;
constexpr double kPremiumSwing = 0.01;
constexpr double kPremiumDriftDays = 30.0;
// The bank quotes whole tens of thousands of dong.
constexpr double kTick = 10.0;

std::string whole(double value) {
    return AnswerText::fixed(value, 0);
}

} // namespace

BankGoldPage::BankGoldPage(const Noise& noise, const WorldPrices& prices)
    : m_noise(noise)
    , m_prices(prices)
    , m_week(kMondayToSaturday) {}

double BankGoldPage::premiumAt(int day, int minute) const {
    const double minutes = static_cast<double>(day) * 1440.0 + minute;
    return kPremiumCentre + kPremiumSwing * m_noise.smooth(kKey * 16U + 9U, 0, minutes / (kPremiumDriftDays * 1440.0));
}

double BankGoldPage::priceFrom(double goldInDollars, double dollarInDong, int day, int minute) const {
    const double thousandDong = goldInDollars * kOuncesPerTael * dollarInDong / 1000.0;
    return std::round(thousandDong * (1.0 + premiumAt(day, minute)) / kTick) * kTick;
}

double BankGoldPage::priceAt(int day, int minute) const {
    const SimTime at{day, minute, 0};
    return priceFrom(m_prices.gold().quoteAt(at).value, m_prices.dollarInDong().quoteAt(at).value, day, minute);
}

std::vector<double> BankGoldPage::pricesThrough(int day, int lastMinute) const {
    const auto gold = m_prices.gold().quotesEvery(day, kFirstQuote, lastMinute, kStep);
    const auto dollar = m_prices.dollarInDong().quotesEvery(day, kFirstQuote, lastMinute, kStep);
    std::vector<double> prices;
    for (std::size_t i = 0; i < gold.size(); ++i) {
        const int minute = kFirstQuote + static_cast<int>(i) * kStep;
        prices.push_back(priceFrom(gold[i].value, dollar[i].value, day, minute));
    }
    return prices;
}

int BankGoldPage::volumeAt(int day, int minute) const {
    return m_noise.between(5, 300, kKey * 16U + 8U, day, minute);
}

BankGoldPage::LatestQuote BankGoldPage::latestAt(const SimTime& t) const {
    if (!m_week.tradesOn(t.day) || t.clockMinute < kFirstQuote) {
        return {m_week.sessionBefore(t.day), kLastQuote};
    }
    return {t.day, std::min(kLastQuote, kFirstQuote + (t.clockMinute - kFirstQuote) / kStep * kStep)};
}

InstrumentQuote BankGoldPage::quoteAt(const SimTime& t) const {
    const LatestQuote latest = latestAt(t);
    InstrumentQuote quote;
    quote.day = latest.day;
    quote.minute = latest.minute;
    quote.sessionDay = latest.day;
    quote.value = priceAt(latest.day, latest.minute);
    quote.previousClose = priceAt(m_week.sessionBefore(latest.day), kLastQuote);
    quote.inSession = latest.day == t.day && latest.minute < kLastQuote;
    return quote;
}

std::string BankGoldPage::answer(const SimTime& t, int lastUpdate) const {
    const auto [day, last] = latestAt(t);

    AnswerText answer(day);
    double value = 0.0;
    int quantity = 0;
    int minute = kFirstQuote;
    const std::vector<double> prices = pricesThrough(day, last);
    for (const double price : prices) {
        const int volume = volumeAt(day, minute);
        value += price * volume / 1000.0; // million dong
        quantity += volume;
        if (minute > lastUpdate) {
            answer.addRecord({"1", std::to_string(minute), whole(price), std::to_string(volume)});
        }
        minute += kStep;
    }
    const double price = prices.back();
    const double yesterday = priceAt(m_week.sessionBefore(day), kLastQuote);
    const double change = price - yesterday;
    answer.addRecord({"1", whole(change), AnswerText::fixed(change / yesterday * 100.0, 2), std::to_string(last),
                      whole(price), whole(yesterday), whole(std::floor(value)), std::to_string(quantity),
                      std::to_string(day)});
    return answer.text();
}

} // namespace sim

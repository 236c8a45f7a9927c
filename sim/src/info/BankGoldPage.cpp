#include "BankGoldPage.h"

#include "AnswerText.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

// The session starts one step before the first quote, so the day's first quote has already moved
// away from the previous close.
constexpr int kOpen = BankGoldPage::kFirstQuote - BankGoldPage::kStep;
constexpr std::uint64_t kKey = 401;

InstrumentProfile bankGoldProfile() {
    InstrumentProfile profile;
    profile.key = kKey;
    profile.base = 42000.0;
    profile.dailyMove = 0.006;
    profile.openMinute = kOpen;
    profile.sessionLength = BankGoldPage::kLastQuote - kOpen;
    profile.weekdayMask = 0x3FU;
    profile.tick = 10.0;
    return profile;
}

std::string whole(double value) {
    return AnswerText::fixed(value, 0);
}

} // namespace

BankGoldPage::BankGoldPage(const Noise& noise)
    : m_noise(noise)
    , m_gold(noise, bankGoldProfile()) {}

double BankGoldPage::priceAt(int day, int minute) const {
    return m_gold.valueDuring(day, minute - kOpen);
}

int BankGoldPage::volumeAt(int day, int minute) const {
    return m_noise.between(5, 300, kKey * 16U + 8U, day, minute);
}

BankGoldPage::LatestQuote BankGoldPage::latestAt(const SimTime& t) const {
    if (!m_gold.tradesOn(t.day) || t.clockMinute < kFirstQuote) {
        return {m_gold.sessionBefore(t.day), kLastQuote};
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
    quote.previousClose = m_gold.close(m_gold.sessionBefore(latest.day));
    quote.inSession = latest.day == t.day && latest.minute < kLastQuote;
    return quote;
}

std::string BankGoldPage::answer(const SimTime& t, int lastUpdate) const {
    const auto [day, last] = latestAt(t);

    AnswerText answer(day);
    double value = 0.0;
    int quantity = 0;
    for (int minute = kFirstQuote; minute <= last; minute += kStep) {
        const double price = priceAt(day, minute);
        const int volume = volumeAt(day, minute);
        value += price * volume / 1000.0; // million dong
        quantity += volume;
        if (minute > lastUpdate) {
            answer.addRecord({"1", std::to_string(minute), whole(price), std::to_string(volume)});
        }
    }
    const double price = priceAt(day, last);
    const double yesterday = m_gold.close(m_gold.sessionBefore(day));
    const double change = price - yesterday;
    answer.addRecord({"1", whole(change), AnswerText::fixed(change / yesterday * 100.0, 2), std::to_string(last),
                      whole(price), whole(yesterday), whole(std::floor(value)), std::to_string(quantity),
                      std::to_string(day)});
    return answer.text();
}

} // namespace sim

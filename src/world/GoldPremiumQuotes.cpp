#include "world/GoldPremiumQuotes.h"

#include "net/AnswerReader.h"

namespace world {

namespace {

// Bank gold quote record: id, change, percent, minute, price, previous price, value, amount, day.
constexpr int kBankQuoteFields = 9;
// World gold: minute records id, minute, price; quote records id, change, percent, -, price,
// previous price, -.
constexpr int kWorldMinuteFields = 3;
constexpr int kWorldQuoteFields = 7;
constexpr int kPriceField = 4;
// The bank's dollar among its rates.
const QString kDollarId = QStringLiteral("9");

} // namespace

// From the newest answer back: the last quote record of the first answer holding one is the
// latest, so a day of answers is not read through on every refresh.
std::optional<DatedPrice> latestBankGold(const QStringList& storedAnswers) {
    for (qsizetype i = storedAnswers.size() - 1; i >= 0; --i) {
        const net::Answer answer(storedAnswers.at(i));
        if (!answer.isSuccess()) {
            continue;
        }
        std::optional<DatedPrice> latest;
        for (const net::RecordView& record : answer.allRecords()) {
            if (record.size() == kBankQuoteFields) {
                latest = DatedPrice{record.doubleAt(kPriceField), record.intAt(8), record.intAt(3)};
            }
        }
        if (latest) {
            return latest;
        }
    }
    return std::nullopt;
}

std::optional<DatedPrice> latestWorldGold(const QStringList& storedAnswers) {
    std::optional<double> price;
    std::optional<int> minute;
    int day = 0;
    for (const QString& text : storedAnswers) {
        const net::Answer answer(text);
        if (!answer.isSuccess()) {
            continue;
        }
        for (const net::RecordView& record : answer.allRecords()) {
            if (record.size() == kWorldMinuteFields) {
                minute = std::max(minute.value_or(0), record.intAt(1));
                day = net::leadingInt(answer.headerField(2));
            } else if (record.size() == kWorldQuoteFields) {
                price = record.doubleAt(kPriceField);
            }
        }
    }
    if (!price || !minute) {
        return std::nullopt;
    }
    return DatedPrice{*price, day, *minute};
}

std::optional<DatedPrice> bankDollarRate(const QStringList& bankRates) {
    for (const QString& row : bankRates) {
        const QStringList fields = row.split(QLatin1Char(','));
        if (fields.size() >= 5 && fields.at(0) == kDollarId) {
            return DatedPrice{net::leadingDouble(fields.at(4)), net::leadingInt(fields.at(2)),
                              net::leadingInt(fields.at(3))};
        }
    }
    return std::nullopt;
}

} // namespace world

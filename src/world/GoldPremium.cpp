#include "world/GoldPremium.h"

#include "core/CalendarHelpers.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace world {

namespace {

constexpr qint64 kMinutesPerDay = 1440;
constexpr double kThousandsPerMillion = 1000;

qint64 minutesSinceEpoch(int day, int minute) {
    return qint64{day} * kMinutesPerDay + minute;
}

qint64 minutesSinceEpoch(const QDateTime& instant) {
    return static_cast<qint64>(std::floor(double(core::dayEpoch().secsTo(instant)) / 60));
}

bool isUsable(const std::optional<DatedPrice>& quote, qint64 now) {
    return quote && quote->value > 0 && now - minutesSinceEpoch(quote->day, quote->minute) <= kMinutesPerDay;
}

// A sign for a rise, none for a fall (the number has it) or for nothing at all; never "-0".
QString signedNumber(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0) {
        rounded = 0;
    }
    const QString number = QLocale().toString(rounded, 'f', decimals);
    return rounded > 0 ? QLatin1Char('+') + number : number;
}

} // namespace

std::optional<GoldPremium> goldPremium(const std::optional<DatedPrice>& bankPerTael,
                                       const std::optional<DatedPrice>& worldPerOunce,
                                       const std::optional<DatedPrice>& dollarInDong, const QDateTime& now) {
    const qint64 nowMinutes = minutesSinceEpoch(now);
    if (!isUsable(bankPerTael, nowMinutes) || !isUsable(worldPerOunce, nowMinutes) ||
        !isUsable(dollarInDong, nowMinutes)) {
        return std::nullopt;
    }
    const double worldPerTael = worldPerOunce->value * kOuncesPerTael * dollarInDong->value / 1000.0;
    GoldPremium premium;
    premium.perTael = bankPerTael->value - worldPerTael;
    premium.percent = premium.perTael / worldPerTael * 100.0;
    const DatedPrice& oldest =
        *std::min({&*bankPerTael, &*worldPerOunce, &*dollarInDong}, [](const DatedPrice* a, const DatedPrice* b) {
            return minutesSinceEpoch(a->day, a->minute) < minutesSinceEpoch(b->day, b->minute);
        });
    premium.day = oldest.day;
    premium.minute = oldest.minute;
    return premium;
}

QString goldPremiumText(const std::optional<GoldPremium>& premium, const QDateTime& now) {
    const QString caption = QStringLiteral("Chênh lệch với giá thế giới: ");
    if (!premium) {
        return caption + QLatin1Char('-');
    }
    QString time = core::timeFromMinuteFrom0h00(premium->minute);
    if (premium->day != core::dayNumberOf(now)) {
        time += QLatin1Char(' ') + core::dateFromDay(premium->day);
    }
    return caption +
           QStringLiteral("%1 triệu/lượng (%2%) · lúc %3")
               .arg(signedNumber(premium->perTael / kThousandsPerMillion, 2), signedNumber(premium->percent, 1), time);
}

} // namespace world

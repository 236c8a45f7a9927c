#include "core/CalendarHelpers.h"

#include <cmath>

namespace core {

namespace {

constexpr qint64 kSecondsPerDay = 86400;

QString twoDigits(int value) {
    return value > 9 ? QString::number(value) : QStringLiteral("0") + QString::number(value);
}

QString hoursAndMinutes(int hours, int minutes) {
    return twoDigits(hours) + QLatin1Char(':') + twoDigits(minutes);
}

QLocale effectiveLocale(const QLocale& locale) {
    if (locale.language() == QLocale::C) {
        return {QLocale::English, QLocale::UnitedStates};
    }
    return locale;
}

} // namespace

QDateTime dayEpoch() {
    return {QDate(2000, 1, 1), QTime(0, 0), Qt::LocalTime};
}

int dayNumberOf(const QDateTime& instant) {
    const double seconds = static_cast<double>(dayEpoch().msecsTo(instant)) / 1000.0;
    return static_cast<int>(std::floor(seconds / 60 / 60 / 24));
}

int dateDiffFromNow() {
    return dayNumberOf(QDateTime::currentDateTime());
}

QString dateFromDay(int day) {
    const qint64 seconds = static_cast<qint64>(day) * kSecondsPerDay;
    return dayEpoch().addSecs(seconds).toString(QStringLiteral("dd/MM/yy"));
}

QString timeFromLastUpdate(int marketMinute) {
    const int t = marketMinute + 30;
    return hoursAndMinutes(t / 60 + 8, t - (t / 60) * 60);
}

QString timeFromMinuteFrom0h00(int clockMinute) {
    const int hours = clockMinute / 60;
    return hoursAndMinutes(hours, clockMinute - hours * 60);
}

QString getDecimalString(double value, const QLocale& locale) {
    const QLocale used = effectiveLocale(locale);
    QString text = used.toString(value, 'f', 3);
    const QString decimal = used.decimalPoint();
    if (text.contains(decimal)) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(decimal)) {
            text.chop(decimal.size());
        }
    }
    if (text == used.negativeSign() + QLatin1Char('0')) {
        return QStringLiteral("0");
    }
    return text;
}

QString wholeNumberText(double value) {
    if (!std::isfinite(value)) {
        return QStringLiteral("-");
    }
    // Adding zero turns the -0 of a truncated small negative into 0.
    return QString::number(std::trunc(value) + 0.0, 'f', 0);
}

DayKeys caculateDay(int today) {
    return DayKeys{today, today - 1, today};
}

} // namespace core

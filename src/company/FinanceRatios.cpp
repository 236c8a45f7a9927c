#include "company/FinanceRatios.h"

#include "core/CalendarHelpers.h"
#include "net/LenientNumbers.h"

#include <cmath>

namespace company {

namespace {

enum Field : qsizetype { Eps = 1, Pe = 2, Bv = 3, Bp = 4, Price = 6, Differ = 7, Percent = 8, Day = 9 };

} // namespace

QString financePercentText(double percent) {
    const double rounded = std::round(percent * 100.0) / 100.0;
    const QString text = core::getDecimalString(rounded);
    return rounded == std::trunc(rounded) ? text + QStringLiteral(".00") : text;
}

QString ratioText(double value) {
    return value == 0 ? QStringLiteral("-") : core::getDecimalString(value);
}

FinanceRatios FinanceRatios::fromRow(const QString& row) {
    const QStringList fields = row.split(QLatin1Char(','));
    const auto number = [&fields](Field field) {
        return net::leadingDouble(fields.value(field));
    };
    FinanceRatios ratios;
    ratios.price = fields.value(Price);
    const QString change = fields.value(Differ);
    const QString percent = financePercentText(number(Percent));
    ratios.isFall = number(Differ) < 0;
    ratios.change = ratios.isFall ? QStringLiteral("%1(%2%)").arg(change, percent)
                                  : QStringLiteral("+%1(+%2%)").arg(change, percent);
    ratios.date = core::dateFromDay(net::leadingInt(fields.value(Day)));
    // Earnings per share are shown as whole dong.
    ratios.eps = ratioText(std::trunc(number(Eps)));
    ratios.pe = ratioText(number(Pe));
    ratios.pb = ratioText(number(Bp));
    ratios.bv = ratioText(number(Bv));
    return ratios;
}

} // namespace company

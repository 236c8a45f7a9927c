#include "company/CompanyListRow.h"

#include "core/CalendarHelpers.h"
#include "net/LenientNumbers.h"
#include "ui/Color.h"

#include <QStringList>

#include <cmath>

namespace company {

namespace {

enum Field { kCode, kId, kDay, kPrice, kChange, kPercent, kVolume, kMinute };

} // namespace

QString numberText(double value) {
    if (value == std::trunc(value)) {
        return QStringLiteral("%1.0").arg(core::getDecimalString(value));
    }
    return core::getDecimalString(value);
}

QString percentText(double percent) {
    // std::round rounds halves away from zero; a tiny fall rounds to 0 and must not show "-0".
    const double rounded = std::round(percent * 10) / 10;
    return numberText(rounded == 0 ? 0.0 : rounded);
}

QColor trendColor(double value) {
    return value < 0 ? ui::Color::red().toQColor() : ui::Color::green().toQColor();
}

CompanyListRow CompanyListRow::fromText(const QString& rowText) {
    const QStringList fields = rowText.split(u',');
    const auto field = [&fields](int i) {
        return i < fields.size() ? fields.at(i) : QString();
    };
    CompanyListRow row;
    row.code = field(kCode);
    row.companyId = field(kId);
    if (field(kPrice).isEmpty()) {
        // A watched stock the store holds no quote of yet.
        const QString none = QStringLiteral("-");
        row.priceText = row.changeText = row.percentText = row.volumeText = none;
        row.changeColor = row.percentColor = Qt::white;
        return row;
    }
    row.day = net::leadingInt(field(kDay));
    row.minute = net::leadingInt(field(kMinute));
    const double change = net::leadingDouble(field(kChange));
    const double percent = net::leadingDouble(field(kPercent));
    row.quoted = true;
    row.price = net::leadingDouble(field(kPrice));
    row.change = change;
    row.percent = percent;
    row.volume = net::leadingDouble(field(kVolume));
    row.priceText = numberText(row.price);
    row.changeText = numberText(change);
    row.percentText = company::percentText(percent);
    row.volumeText = core::getDecimalString(row.volume);
    row.changeColor = trendColor(change);
    row.percentColor = trendColor(percent);
    return row;
}

} // namespace company

#include "company/CompanyListRow.h"

#include "company/BoardColours.h"
#include "core/CalendarHelpers.h"
#include "net/LenientNumbers.h"

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
    row.quoted = true;
    row.price = net::leadingDouble(field(kPrice));
    row.change = net::leadingDouble(field(kChange));
    row.percent = net::leadingDouble(field(kPercent));
    row.volume = net::leadingDouble(field(kVolume));
    row.priceText = numberText(row.price);
    row.changeText = numberText(row.change);
    row.percentText = company::percentText(row.percent);
    row.volumeText = core::getDecimalString(row.volume);
    const Colours usual = row.coloursIn(ui::TrendColors());
    row.changeColor = usual.change;
    row.percentColor = usual.percent;
    return row;
}

CompanyListRow::Colours CompanyListRow::coloursIn(const ui::TrendColors& colors) const {
    if (!quoted) {
        return {};
    }
    if (const std::optional<QColor> board = boardColour(colors, price, limits, ui::Shade::Bright)) {
        return {*board, *board, *board};
    }
    return {Qt::white, colors.qBySign(change), colors.qBySign(percent)};
}

} // namespace company

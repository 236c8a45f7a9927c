#include "portfolio/HoldingColumns.h"

#include "company/BoardColours.h"
#include "core/CalendarHelpers.h"
#include "net/LenientNumbers.h"
#include "portfolio/Holdings.h"

namespace portfolio {

namespace {

const QString kNone = QStringLiteral("-");

double number(const QString& text) {
    return net::leadingDouble(text);
}

QString decimal(double value) {
    return core::getDecimalString(value);
}

HoldingCell coloured(double value, const QString& text, const ui::TrendColors& colors) {
    return {text, colors.qBySign(value)};
}

// The figure a cell is ordered by, beside what it shows.
HoldingCell withNumber(HoldingCell cell, double value) {
    cell.number = value;
    return cell;
}

// ---- cells of the holding's own data -----------------------------------------------------------

HoldingCell code(const HoldingRow& row, const ui::TrendColors& /*colors*/) {
    return {row.code};
}

HoldingCell purchaseAsStored(const HoldingRow& row, const ui::TrendColors& /*colors*/) {
    return withNumber({row.price}, number(row.price));
}

HoldingCell purchaseDecimal(const HoldingRow& row, const ui::TrendColors& /*colors*/) {
    return withNumber({decimal(number(row.price))}, number(row.price));
}

HoldingCell quantity(const HoldingRow& row, const ui::TrendColors& /*colors*/) {
    return withNumber({decimal(number(row.quantity))}, number(row.quantity));
}

HoldingCell threshold(const QString& text, const ui::TrendColors& colors) {
    return text.isEmpty() ? HoldingCell{kNone}
                          : withNumber(coloured(number(text), decimal(number(text)), colors), number(text));
}

HoldingCell upper(const HoldingRow& row, const ui::TrendColors& colors) {
    return threshold(row.up, colors);
}

HoldingCell lower(const HoldingRow& row, const ui::TrendColors& colors) {
    return threshold(row.down, colors);
}

// ---- cells of the day's quote ------------------------------------------------------------------

HoldingCell priceDecimal(const HoldingRow& row, const ui::TrendColors& /*colors*/) {
    return row.quoted ? withNumber({decimal(number(row.quotePrice))}, number(row.quotePrice)) : HoldingCell{kNone};
}

HoldingCell priceAsReceived(const HoldingRow& row, const ui::TrendColors& /*colors*/) {
    return row.quoted ? withNumber({row.quotePrice}, number(row.quotePrice)) : HoldingCell{kNone};
}

// The market figures of screen 1 share the board colour of the price when the palette shows
// board colours and the quote's limits are known; otherwise a change and a percent go by sign.
std::optional<QColor> boardColourOf(const HoldingRow& row, const ui::TrendColors& colors) {
    return company::boardColour(colors, number(row.quotePrice), row.limits, ui::Shade::Bright);
}

HoldingCell marketPrice(const HoldingRow& row, const ui::TrendColors& colors) {
    if (!row.quoted) {
        return {kNone};
    }
    return withNumber({decimal(number(row.quotePrice)), boardColourOf(row, colors).value_or(QColor(Qt::white))},
                      number(row.quotePrice));
}

HoldingCell marketFigure(const HoldingRow& row, const QString& figure, const ui::TrendColors& colors) {
    if (!row.quoted) {
        return {kNone};
    }
    return withNumber({figure, boardColourOf(row, colors).value_or(colors.qBySign(number(figure)))}, number(figure));
}

HoldingCell change(const HoldingRow& row, const ui::TrendColors& colors) {
    return marketFigure(row, row.change, colors);
}

HoldingCell percent(const HoldingRow& row, const ui::TrendColors& colors) {
    return marketFigure(row, row.percent, colors);
}

HoldingCell volume(const HoldingRow& row, const ui::TrendColors& /*colors*/) {
    return row.quoted ? withNumber({decimal(number(row.volume))}, number(row.volume)) : HoldingCell{kNone};
}

// ---- cells against the purchase price ----------------------------------------------------------

double difference(const HoldingRow& row) {
    return number(row.quotePrice) - number(row.price);
}

HoldingCell differenceCell(const HoldingRow& row, const ui::TrendColors& colors) {
    return row.quoted ? withNumber(coloured(difference(row), decimal(difference(row)), colors), difference(row))
                      : HoldingCell{kNone};
}

// A rise or no change carries "+"; a fall its own minus sign. Bought at 0, no percent exists.
HoldingCell signedPercent(const HoldingRow& row, const ui::TrendColors& colors) {
    const double paid = number(row.price);
    if (!row.quoted || paid == 0) {
        return {kNone};
    }
    const double d = difference(row);
    const QString text = decimal(d * 100 / paid);
    const HoldingCell cell =
        d >= 0 ? HoldingCell{QStringLiteral("+") + text, colors.qRise()} : HoldingCell{text, colors.qFall()};
    return withNumber(cell, d * 100 / paid);
}

HoldingCell profit(const HoldingRow& row, const ui::TrendColors& /*colors*/) {
    const double value = difference(row) * number(row.quantity);
    return row.quoted ? withNumber({decimal(value)}, value) : HoldingCell{kNone};
}

// Below the lower threshold, then above the upper one (which wins when both hold); an empty
// threshold gives no warning on its side.
HoldingCell warning(const HoldingRow& row, const ui::TrendColors& colors) {
    if (!row.quoted) {
        return {kNone};
    }
    const double price = number(row.quotePrice);
    const double paid = number(row.price);
    HoldingCell cell;
    if (!row.down.isEmpty() && price <= paid - number(row.down)) {
        cell = {QStringLiteral("Dưới"), colors.qFall()};
    }
    if (!row.up.isEmpty() && price >= paid + number(row.up)) {
        cell = {QStringLiteral("Trên"), colors.qRise()};
    }
    return cell;
}

} // namespace

const HoldingColumns& marketColumns() {
    static const HoldingColumns columns{{{u"Mã", {25, 5, 60, 20}, code},
                                         {u"Giá", {105, 5, 70, 20}, marketPrice},
                                         {u"+/-", {180, 5, 60, 20}, change},
                                         {u"%", {243, 5, 75, 20}, percent},
                                         {u"KL", {330, 5, 80, 20}, volume}}};
    return columns;
}

const HoldingColumns& purchaseColumns() {
    static const HoldingColumns columns{{{u"Mã", {15, 5, 60, 20}, code},
                                         {u"Giá mua", {108, 5, 80, 20}, purchaseAsStored},
                                         {u"Trên", {190, 5, 65, 20}, upper},
                                         {u"Dưới", {258, 5, 70, 20}, lower},
                                         {u"KL", {340, 5, 80, 20}, quantity}}};
    return columns;
}

const HoldingColumns& priceColumns() {
    static const HoldingColumns columns{{{u"Mã", {15, 5, 65, 20}, code},
                                         {u"Giá", {105, 5, 70, 20}, priceDecimal},
                                         {u"Chênh", {177, 5, 65, 20}, differenceCell},
                                         {u"%", {250, 5, 80, 20}, signedPercent},
                                         {u"Giá mua", {330, 5, 67, 20}, purchaseDecimal}}};
    return columns;
}

const HoldingColumns& profitColumns() {
    static const HoldingColumns columns{{{u"Mã", {15, 5, 65, 20}, code},
                                         {u"KL", {98, 5, 70, 20}, quantity},
                                         {u"Chênh", {179, 5, 70, 20}, differenceCell},
                                         {u"%", {263, 5, 75, 20}, signedPercent},
                                         {u"Lãi/Lỗ", {350, 5, 80, 20}, profit}}};
    return columns;
}

const HoldingColumns& warningColumns() {
    static const HoldingColumns columns{{{u"Mã", {5, 5, 65, 20}, code},
                                         {u"Giá", {110, 5, 70, 20}, priceAsReceived},
                                         {u"Chênh", {180, 5, 70, 20}, differenceCell},
                                         {u"%", {252, 5, 75, 20}, signedPercent},
                                         {u"Cảnh báo", {330, 5, 70, 20}, warning}}};
    return columns;
}

} // namespace portfolio

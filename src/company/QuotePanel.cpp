#include "company/QuotePanel.h"

#include "company/BoardColours.h"
#include "core/CalendarHelpers.h"
#include "net/LenientNumbers.h"
#include "shell/ScreenStyle.h"
#include "ui/TrendPalette.h"

#include <QLabel>

namespace company {

namespace {

constexpr int kHeadlineHeight = 22;
constexpr int kRowHeight = 22;
constexpr int kColumnWidth = 160;
constexpr int kCaptionWidth = 58;

/// A stored value that reads as zero is shown as a dash (no trade, no order).
bool readsAsZero(const QString& value) {
    return value.trimmed().toDouble() == 0;
}

QString plainOrDash(const QString& value) {
    return readsAsZero(value) ? QStringLiteral("-") : value;
}

QString decimalOrDash(const QString& value) {
    return readsAsZero(value) ? QStringLiteral("-") : core::getDecimalString(value.trimmed().toDouble());
}

struct GridCell {
    QuotePanel::Field field;
    const char* caption;
};

// Three columns of the ten figures: volume and prices, the order book, the limits and residues.
constexpr std::array<GridCell, 10> kGrid{{
    {QuotePanel::Field::Quantity, "KL:"},
    {QuotePanel::Field::Refer, "TC:"},
    {QuotePanel::Field::Open, "Mở cửa:"},
    {QuotePanel::Field::Close, "Đóng cửa:"},
    {QuotePanel::Field::BqBuy, "Mua:"},
    {QuotePanel::Field::BqShell, "Bán:"},
    {QuotePanel::Field::Ceil, "Trần:"},
    {QuotePanel::Field::Floor, "Sàn:"},
    {QuotePanel::Field::ResBuy, "Dư mua:"},
    {QuotePanel::Field::ResSell, "Dư bán:"},
}};

} // namespace

QuotePanel::QuotePanel(QWidget* parent)
    : QWidget(parent) {
    resize(kWidth, kHeight);
    m_colors.fill(QColor(Qt::white));
    buildHeadline();
    buildGrid();
}

void QuotePanel::setTrendPalette(const ui::TrendPalette* palette) {
    if (m_palette) {
        disconnect(m_palette, nullptr, this, nullptr);
    }
    m_palette = palette;
    if (m_palette) {
        connect(m_palette, &ui::TrendPalette::changed, this, &QuotePanel::colourChange);
    }
    colourChange();
}

void QuotePanel::buildHeadline() {
    const auto place = [this](Field field, int x, int width, int points, bool bold) {
        m_labels[static_cast<std::size_t>(field)] =
            shell::makeLabel(this, QString(), QRect(x, 0, width, kHeadlineHeight), points, bold);
    };
    place(Field::StockCode, 6, 80, 14, true);
    place(Field::Stock, 90, 60, 14, true);
    place(Field::StockPoint, 156, 100, 14, true);
    place(Field::Percent, 262, 212, 12, false);
}

void QuotePanel::buildGrid() {
    for (std::size_t i = 0; i < kGrid.size(); ++i) {
        const int column = static_cast<int>(i) / 4;
        const int row = static_cast<int>(i) % 4;
        const int x = 6 + column * kColumnWidth;
        const int y = kHeadlineHeight + 6 + row * kRowHeight;
        QLabel* caption =
            shell::makeLabel(this, QString::fromUtf8(kGrid[i].caption), QRect(x, y, kCaptionWidth, kRowHeight), 12);
        caption->setStyleSheet(QStringLiteral("color: #9aa7b8; background: transparent;"));
        m_labels[static_cast<std::size_t>(kGrid[i].field)] = shell::makeLabel(
            this, QString(), QRect(x + kCaptionWidth, y, kColumnWidth - kCaptionWidth - 6, kRowHeight), 12);
    }
}

void QuotePanel::display(const QStringList& detail) {
    if (detail.size() < kDetailSize) {
        return;
    }
    m_detail = detail;
    setText(Field::StockCode, detail.at(0));
    m_hose = detail.at(2).trimmed().toInt() == 2;
    setText(Field::Stock, m_hose ? QStringLiteral("HoSE") : QStringLiteral("HNX"));
    setText(Field::StockPoint, detail.at(7));
    showChange(detail.at(4), detail.at(5));
    setText(Field::Quantity, decimalOrDash(detail.at(8)));
    setText(Field::Refer, plainOrDash(detail.at(9)));
    setText(Field::Open, plainOrDash(detail.at(10)));
    setText(Field::Close, plainOrDash(detail.at(11)));
    setText(Field::BqBuy, decimalOrDash(detail.at(12)));
    setText(Field::BqShell, decimalOrDash(detail.at(13)));
    setText(Field::Ceil, plainOrDash(detail.at(14)));
    setText(Field::Floor, plainOrDash(detail.at(15)));
    setText(Field::ResBuy, decimalOrDash(detail.at(16)));
    setText(Field::ResSell, decimalOrDash(detail.at(17)));
}

void QuotePanel::showChange(const QString& change, const QString& percent) {
    // No change counts as a rise: green with the plus signs ("+0(+0%)").
    const bool falling = change.trimmed().toDouble() < 0;
    const QString text =
        falling ? QStringLiteral("%1(%2%)").arg(change, percent) : QStringLiteral("+%1(+%2%)").arg(change, percent);
    setText(Field::Percent, text);
    colourChange();
}

// On a price board the price and the change take the colour of the price against the day's
// reference, ceiling and floor; otherwise both go by the sign of the change.
void QuotePanel::colourChange() {
    if (m_detail.size() < kDetailSize) {
        return;
    }
    const ui::TrendColors colors = ui::colorsOf(m_palette);
    const bool falling = m_detail.at(4).trimmed().toDouble() < 0;
    const std::optional<ui::PriceLimits> limits = priceLimits(m_detail.at(9), m_detail.at(14), m_detail.at(15));
    const QColor colour = boardColour(colors, net::leadingDouble(m_detail.at(7)), limits, ui::Shade::Deep)
                              .value_or(colors.qOf(falling ? ui::Trend::Fall : ui::Trend::Rise, ui::Shade::Deep));
    setColor(Field::Percent, colour);
    setColor(Field::StockPoint, colour);
}

void QuotePanel::clear() {
    m_detail.clear();
    for (QLabel* label : m_labels) {
        label->clear();
    }
}

QString QuotePanel::text(Field field) const {
    return label(field)->text();
}

QColor QuotePanel::color(Field field) const {
    return m_colors[static_cast<std::size_t>(field)];
}

void QuotePanel::setText(Field field, const QString& text) {
    label(field)->setText(text);
}

void QuotePanel::setColor(Field field, const QColor& color) {
    m_colors[static_cast<std::size_t>(field)] = color;
    label(field)->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(color.name()));
}

} // namespace company

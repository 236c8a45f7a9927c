#include "company/DirectoryWarningRows.h"

#include "ui/RowLabel.h"
#include "ui/TrendPalette.h"

#include <QPainter>
#include <QRect>

namespace company {

namespace {

constexpr int kLabelY = 5;
constexpr int kLabelHeight = 20;
constexpr int kFontSize = 13;

QRect labelRect(const QRect& rowRect, int x, int width) {
    return {rowRect.left() + x, rowRect.top() + kLabelY, width, kLabelHeight};
}

} // namespace

QStringList DirectoryWarningRows::headings() {
    return {QStringLiteral("Danh mục"), QStringLiteral("Mã CK"), QStringLiteral("Giá"),
            QStringLiteral("+/- so giá mua (%)")};
}

QStringList DirectoryWarningRows::rowTexts(int row) const {
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    const DirectoryWarningRow& shown = m_rows.at(static_cast<std::size_t>(row));
    return {shown.category, shown.code, shown.price, shown.percent};
}

QColor DirectoryWarningRows::plainColor() {
    return Qt::white;
}

QColor DirectoryWarningRows::belowColor(const ui::TrendColors& colors) {
    return colors.qFall(ui::Shade::Deep);
}

QColor DirectoryWarningRows::aboveColor(const ui::TrendColors& colors) {
    return colors.qRise(ui::Shade::Deep);
}

QColor DirectoryWarningRows::priceColor(WarningLevel level, const ui::TrendColors& colors) {
    switch (level) {
    case WarningLevel::Below:
        return belowColor(colors);
    case WarningLevel::Above:
        return aboveColor(colors);
    case WarningLevel::None:
        break;
    }
    return plainColor();
}

QColor DirectoryWarningRows::percentColor(const DirectoryWarningRow& row, const ui::TrendColors& colors) {
    return row.percentFalls ? belowColor(colors) : plainColor();
}

void DirectoryWarningRows::paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    if (selected) {
        painter.fillRect(rect, QColor(0x1d, 0x2a, 0x3d));
    }
    const DirectoryWarningRow& shown = m_rows.at(static_cast<std::size_t>(row));
    const QColor plain = plainColor();
    const ui::TrendColors colors = ui::colorsOf(m_palette);
    ui::paintLabel(painter, labelRect(rect, 20, 120), shown.category, plain, kFontSize, true, Qt::AlignLeft);
    ui::paintLabel(painter, labelRect(rect, 145, 40), shown.code, plain, kFontSize, true, Qt::AlignRight);
    ui::paintLabel(painter, labelRect(rect, 210, 60), shown.price, priceColor(shown.priceLevel, colors), kFontSize,
                   true, Qt::AlignRight);
    ui::paintLabel(painter, labelRect(rect, 340, 80), shown.percent, percentColor(shown, colors), kFontSize, true,
                   Qt::AlignRight);
}

} // namespace company

#include "market/MarketHistoryLabel.h"

#include "ui/Fonts.h"
#include "ui/TrendPalette.h"

namespace market {

namespace {

QString styleFor(const ui::Color& color) {
    return QStringLiteral("color: ") + color.toQColor().name() + QStringLiteral("; background: transparent;");
}

} // namespace

MarketHistoryLabel::MarketHistoryLabel(QWidget* parent, const QRect& geometry, int pointSize)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setGeometry(geometry);
    setFont(ui::systemFont(pointSize, true));
    setStyleSheet(styleFor(m_color));
}

void MarketHistoryLabel::showValue(const QString& text, const ui::Color& color) {
    ui::stopFollowingPalette(this);
    setText(text);
    applyColor(color);
}

void MarketHistoryLabel::showTrend(const QString& text, const ui::TrendPalette& palette, ui::Trend trend,
                                   ui::Shade shade) {
    setText(text);
    ui::followPalette(this, palette,
                      [this, trend, shade](const ui::TrendColors& colors) { applyColor(colors.of(trend, shade)); });
}

void MarketHistoryLabel::applyColor(const ui::Color& color) {
    if (color != m_color) {
        m_color = color;
        setStyleSheet(styleFor(color));
    }
}

} // namespace market

#include "market/MarketHistoryLabel.h"

#include "ui/Fonts.h"

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
    setText(text);
    if (color != m_color) {
        m_color = color;
        setStyleSheet(styleFor(color));
    }
}

} // namespace market

#pragma once

#include "ui/TrendColors.h"

#include <QLabel>

namespace ui {
class TrendPalette;
}

namespace market {

/// A value label of the history screen: remembers the colour it was given so the colour rules of
/// the change labels can be checked, and shows it on the dark side panel.
class MarketHistoryLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MarketHistoryLabel)

public:
    MarketHistoryLabel(QWidget* parent, const QRect& geometry, int pointSize);

    /// Shows text in color.
    void showValue(const QString& text, const ui::Color& color);
    /// Shows text as a rise or a fall, recoloured whenever the palette changes.
    void showTrend(const QString& text, const ui::TrendPalette& palette, ui::Trend trend, ui::Shade shade);
    ui::Color color() const { return m_color; }

private:
    void applyColor(const ui::Color& color);

    ui::Color m_color = ui::Color::white();
};

} // namespace market

#pragma once

#include "market/MarketBreadth.h"

#include <QWidget>

namespace ui {
class TrendPalette;
}

#include <array>
#include <optional>

namespace market {

/// One exchange's breadth on a line: a small bar of the risers', unchanged and fallers' shares,
/// then the counts in their colours. A day without results shows a dash, never zeros.
class BreadthStrip final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BreadthStrip)

public:
    static constexpr int kBarWidth = 48;
    static constexpr int kBarHeight = 6;

    explicit BreadthStrip(QWidget* parent = nullptr);

    void setBreadth(std::optional<MarketBreadth> breadth);
    /// The palette the counts are painted in (the usual colours without one); repaints on its
    /// changes.
    void setPalette(const ui::TrendPalette* palette);
    const std::optional<MarketBreadth>& breadth() const { return m_breadth; }
    /// The line as it reads.
    QString text() const;
    /// The widths of the bar's rising, unchanged and falling parts; all 0 without a breadth.
    std::array<int, 3> barWidths() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintBar(QPainter& painter) const;
    void paintCounts(QPainter& painter, int left) const;
    QColor markColor(ui::PriceMark mark) const;

    std::optional<MarketBreadth> m_breadth;
    const ui::TrendPalette* m_palette = nullptr;
};

} // namespace market

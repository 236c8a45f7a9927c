#pragma once

#include "ui/TrendColors.h"

#include <QColor>
#include <QPointF>
#include <QWidget>

namespace ui {

class Canvas;
class TrendPalette;

/// Base of the chart views: paints its background, then the chart through a Canvas, and turns
/// mouse presses, drags and releases into touches (a drag is a swipe).
class ChartView : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChartView)

public:
    explicit ChartView(QWidget* parent = nullptr);

    /// Draws the chart onto any canvas (the background is not part of it).
    void render(Canvas& canvas);

    QColor chartBackground() const { return m_background; }
    void setChartBackground(const QColor& color);
    /// The palette of the chart's rises and falls, read at each drawing pass (the usual colours
    /// without one); a change of it repaints the chart.
    void setTrendPalette(const TrendPalette* palette);

    /// Touches in the view's coordinates; public so that tests can swipe without a mouse.
    virtual void touchesBegan(QPointF position);
    virtual void touchesMoved(QPointF position);
    virtual void touchesEnded(QPointF position);

protected:
    virtual void drawChart(Canvas& canvas) = 0;
    /// The canvas of the drawing pass under way, null outside one. A chart's controller draws
    /// its data through the view's operations during the pass, and those draw here.
    Canvas* currentCanvas() const { return m_current; }
    TrendColors trendColors() const;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_background = Qt::black;
    Canvas* m_current = nullptr;
    const TrendPalette* m_palette = nullptr;
};

} // namespace ui

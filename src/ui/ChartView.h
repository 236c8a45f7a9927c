#pragma once

#include "ui/Crosshair.h"
#include "ui/TrendColors.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRegion>
#include <QWidget>

#include <optional>

class QPainter;

namespace ui {

class Canvas;
class TrendPalette;

/// Base of the chart views: paints its background, then the chart through a Canvas, and turns
/// mouse presses, drags and releases into touches (a drag is a swipe). The pointer hovering over
/// a panel without a pressed button shows the crosshair at the nearest data point.
class ChartView : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChartView)

public:
    explicit ChartView(QWidget* parent = nullptr);

    /// Draws the chart onto any canvas (the background is not part of it), the crosshair last.
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

    /// The pointer over the chart without a pressed button; public so that tests can hover
    /// without a mouse.
    void hoverAt(QPointF position);
    /// The pointer left the chart (or pressed it): the crosshair hides.
    void endHover();
    std::optional<QPointF> hoverPosition() const { return m_hover; }
    const Crosshair& crosshair() const { return m_crosshair; }

protected:
    virtual void drawChart(Canvas& canvas) = 0;
    /// The crosshair's panels, set once by the chart.
    void setCrosshairPanels(const QList<CrosshairPanel>& panels);
    /// A point of a crosshair panel, given by the drawing pass as it draws the point.
    void addCrosshairPoint(int panel, const CrosshairPoint& point);
    /// The drawing pass without the crosshair; it gathers the crosshair's points afresh.
    void renderChart(Canvas& canvas);
    /// The crosshair over what a paint event drew on the widget: the last thing painted. A
    /// chart that paints its own kept picture calls it at the end of its paintEvent.
    void paintCrosshair(QPainter& painter);
    /// The canvas of the drawing pass under way, null outside one. A chart's controller draws
    /// its data through the view's operations during the pass, and those draw here.
    Canvas* currentCanvas() const { return m_current; }
    TrendColors trendColors() const;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void moveHover(std::optional<QPointF> hover);
    QRectF crosshairBounds() const;
    bool canReuseLayer(const QRegion& region) const;
    void paintLayer();

    QColor m_background = Qt::black;
    Canvas* m_current = nullptr;
    const TrendPalette* m_palette = nullptr;
    Crosshair m_crosshair;
    std::optional<QPointF> m_hover;
    /// What the last paint drew of the crosshair, and what hover moves asked to repaint since.
    QRectF m_paintedCrosshair;
    QRegion m_hoverDirty;
    /// The chart as last drawn, so that a paint that only moves the crosshair does not run the
    /// drawing pass (which re-reads the chart's data) on every mouse move.
    QImage m_layer;
};

} // namespace ui

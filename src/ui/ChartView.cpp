#include "ui/ChartView.h"

#include "ui/QPainterCanvas.h"
#include "ui/TrendPalette.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace ui {

ChartView::ChartView(QWidget* parent)
    : QWidget(parent) {
    resize(480, 320);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void ChartView::render(Canvas& canvas) {
    renderChart(canvas);
    if (m_hover) {
        m_crosshair.draw(canvas, *m_hover, trendColors());
    }
}

void ChartView::renderChart(Canvas& canvas) {
    Canvas* const outer = m_current;
    m_current = &canvas;
    m_crosshair.clearPoints();
    drawChart(canvas);
    m_crosshair.finishPoints();
    m_current = outer;
}

void ChartView::setChartBackground(const QColor& color) {
    m_background = color;
    update();
}

void ChartView::setTrendPalette(const TrendPalette* palette) {
    if (m_palette) {
        disconnect(m_palette, nullptr, this, nullptr);
    }
    m_palette = palette;
    if (m_palette) {
        connect(m_palette, &TrendPalette::changed, this, qOverload<>(&QWidget::update));
    }
    update();
}

TrendColors ChartView::trendColors() const {
    return colorsOf(m_palette);
}

void ChartView::setCrosshairPanels(const QList<CrosshairPanel>& panels) {
    m_crosshair.setPanels(panels);
}

void ChartView::addCrosshairPoint(int panel, const CrosshairPoint& point) {
    m_crosshair.addPoint(panel, point);
}

void ChartView::touchesBegan(QPointF /*position*/) {}
void ChartView::touchesMoved(QPointF /*position*/) {}
void ChartView::touchesEnded(QPointF /*position*/) {}

void ChartView::hoverAt(QPointF position) {
    moveHover(position);
}

void ChartView::endHover() {
    moveHover(std::nullopt);
}

QRectF ChartView::crosshairBounds() const {
    return m_hover ? m_crosshair.boundsAt(*m_hover) : QRectF();
}

// Only the old and the new crosshair are repainted; a move that keeps the same point repaints
// nothing.
void ChartView::moveHover(std::optional<QPointF> hover) {
    const QRectF before = crosshairBounds();
    m_hover = hover;
    const QRectF after = crosshairBounds();
    if (before == after && m_paintedCrosshair == after) {
        return;
    }
    QRegion dirty;
    for (const QRectF& rect : {before, after, m_paintedCrosshair}) {
        if (!rect.isEmpty()) {
            dirty += rect.toAlignedRect();
        }
    }
    m_hoverDirty += dirty;
    update(dirty);
}

// A paint whose region lies within what hover moves asked for shows the same data: any other
// request (a new answer, a resize, an uncovered window) repaints a larger region.
bool ChartView::canReuseLayer(const QRegion& region) const {
    const qreal ratio = devicePixelRatioF();
    return !m_layer.isNull() && m_layer.devicePixelRatio() == ratio &&
           m_layer.size() == (QSizeF(size()) * ratio).toSize() && !m_hoverDirty.isEmpty() &&
           (region - m_hoverDirty).isEmpty();
}

void ChartView::paintLayer() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_layer.size() != pixels || m_layer.devicePixelRatio() != ratio) {
        m_layer = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_layer.setDevicePixelRatio(ratio);
    }
    m_layer.fill(m_background);
    QPainter painter(&m_layer);
    QPainterCanvas canvas(painter);
    renderChart(canvas);
}

void ChartView::paintEvent(QPaintEvent* event) {
    if (!canReuseLayer(event->region())) {
        paintLayer();
    }
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_layer);
    paintCrosshair(painter);
}

void ChartView::paintCrosshair(QPainter& painter) {
    m_hoverDirty = QRegion();
    m_paintedCrosshair = crosshairBounds();
    if (m_hover) {
        QPainterCanvas canvas(painter);
        m_crosshair.draw(canvas, *m_hover, trendColors());
    }
}

// A press starts a touch, which may become a swipe: the crosshair gives way to it.
void ChartView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        endHover();
        touchesBegan(event->position());
    }
}

// Without a pressed button a move is only the pointer passing over: not a touch, but the
// crosshair follows it.
void ChartView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        touchesMoved(event->position());
    } else if (event->buttons() == Qt::NoButton) {
        hoverAt(event->position());
    }
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        touchesEnded(event->position());
    }
}

void ChartView::leaveEvent(QEvent* event) {
    endHover();
    QWidget::leaveEvent(event);
}

} // namespace ui

#include "ui/ChartView.h"

#include "ui/QPainterCanvas.h"
#include "ui/TrendPalette.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

ChartView::ChartView(QWidget* parent)
    : QWidget(parent) {
    resize(480, 320);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::render(Canvas& canvas) {
    Canvas* const outer = m_current;
    m_current = &canvas;
    drawChart(canvas);
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

void ChartView::touchesBegan(QPointF /*position*/) {}
void ChartView::touchesMoved(QPointF /*position*/) {}
void ChartView::touchesEnded(QPointF /*position*/) {}

void ChartView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    QPainterCanvas canvas(painter);
    render(canvas);
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        touchesBegan(event->position());
    }
}

// Without a pressed button a move is only the pointer passing over: not a touch.
void ChartView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        touchesMoved(event->position());
    }
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        touchesEnded(event->position());
    }
}

} // namespace ui

#include "ui/QPainterCanvas.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace ui {

QPainterCanvas::QPainterCanvas(QPainter& painter)
    : m_painter(painter) {
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    m_font.setFamilies({QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    m_font.setPixelSize(10);
}

void QPainterCanvas::beginPath() {
    m_path.clear();
}

void QPainterCanvas::moveTo(double x, double y) {
    m_path.moveTo(x, y);
}

// A line needs a current point, as on the phone's drawing surface; without one it is dropped.
void QPainterCanvas::addLineTo(double x, double y) {
    if (m_path.elementCount() > 0) {
        m_path.lineTo(x, y);
    }
}

// Charts stroke thousands of single segments (bars, steps of a price line): those skip the
// general path, which rasterises a segment several times slower.
void QPainterCanvas::strokePath() {
    if (m_path.elementCount() == 2 && m_path.elementAt(1).isLineTo()) {
        strokeSegment(m_path.elementAt(0), m_path.elementAt(1));
    } else {
        m_painter.strokePath(m_path, strokePen());
    }
    m_path.clear();
}

void QPainterCanvas::strokeSegment(const QPointF& from, const QPointF& to) {
    if (from.x() == to.x()) {
        // A vertical segment with flat ends is the rectangle it covers.
        const double half = m_lineWidth / 2;
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.fillRect(QRectF(QPointF(from.x() - half, std::min(from.y(), to.y())),
                                  QPointF(from.x() + half, std::max(from.y(), to.y()))),
                           m_stroke);
        m_painter.setRenderHint(QPainter::Antialiasing, true);
        return;
    }
    const QPen pen = strokePen();
    if (m_painter.pen() != pen) {
        m_painter.setPen(pen);
    }
    m_painter.drawLine(QLineF(from, to));
}

QPen QPainterCanvas::strokePen() const {
    return {m_stroke, m_lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin};
}

void QPainterCanvas::setFillColor(double r, double g, double b, double a) {
    m_fill = Color{r, g, b, a}.toQColor();
}

void QPainterCanvas::fillRect(double x, double y, double w, double h) {
    m_painter.fillRect(QRectF(x, y, w, h), m_fill);
}

void QPainterCanvas::selectFont(const QString& name, double size) {
    m_font.setFamilies({name, QStringLiteral("DejaVu Sans")});
    m_font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
}

// Without the flipping text matrix the phone draws glyphs mirrored top to bottom; so do we.
void QPainterCanvas::showTextAtPoint(double x, double y, const QString& text) {
    m_painter.save();
    m_painter.setFont(m_font);
    m_painter.setPen(m_fill);
    m_painter.translate(x, y);
    if (!m_upright) {
        m_painter.scale(1, -1);
    }
    m_painter.drawText(QPointF(0, 0), text);
    m_painter.restore();
}

} // namespace ui

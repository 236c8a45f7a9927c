#include "ui/ChartPieces.h"

#include "ui/Canvas.h"

namespace ui {

void widenRange(double value, float& maximum, float& minimum) {
    const auto v = static_cast<float>(value);
    if (v > maximum) {
        maximum = v;
    }
    if (v <= minimum) {
        minimum = v;
    }
}

float scaleOf(float maximum, float minimum, double span) {
    return static_cast<float>((double{maximum} - double{minimum}) / span);
}

void fillGround(Canvas& canvas, std::initializer_list<QRectF> rects) {
    canvas.setFillColor(0, 0, 0, 1);
    for (const QRectF& rect : rects) {
        canvas.fillRect(rect.x(), rect.y(), rect.width(), rect.height());
    }
}

void strokeLine(Canvas& canvas, double x0, double y0, double x1, double y1) {
    canvas.beginPath();
    canvas.moveTo(x0, y0);
    canvas.addLineTo(x1, y1);
    canvas.strokePath();
}

void strokeBar(Canvas& canvas, double x, double base, double top, const Color& color) {
    canvas.setStrokeColor(Color::white());
    strokeLine(canvas, x, base, x, top);
    canvas.setStrokeColor(color);
    strokeLine(canvas, x, base, x, top);
}

void strokeHorizontal(Canvas& canvas, const Color& color, double left, double right, double y) {
    canvas.setStrokeColor(color);
    strokeLine(canvas, left, y, right, y);
}

} // namespace ui

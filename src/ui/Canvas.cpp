#include "ui/Canvas.h"

namespace ui {

Canvas::~Canvas() = default;

void drawChartText(Canvas& canvas, const QString& text, int x, int y, double grey) {
    canvas.selectFont(QStringLiteral("Helvetica"), 10);
    canvas.setFillColor(grey, grey, grey, 1);
    canvas.setTextMatrixFlipped();
    canvas.showTextAtPoint(x, y, text);
}

} // namespace ui

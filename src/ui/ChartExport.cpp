#include "ui/ChartExport.h"

#include "ui/ChartView.h"
#include "ui/QPainterCanvas.h"
#include "ui/RecordingCanvas.h"

#include <QPainter>

#include <cmath>

namespace ui {

void recordChart(ChartView& view, RecordingCanvas& canvas) {
    const QColor background = view.chartBackground();
    canvas.setFillColor(background.redF(), background.greenF(), background.blueF(), background.alphaF());
    canvas.fillRect(0, 0, view.width(), view.height());
    view.render(canvas);
}

QString chartSvg(ChartView& view) {
    RecordingCanvas canvas;
    recordChart(view, canvas);
    return canvas.toSvg(view.width(), view.height());
}

QImage chartImage(ChartView& view, double scale) {
    if (!(scale > 0)) {
        return {};
    }
    const QSize pixels(static_cast<int>(std::lround(view.width() * scale)),
                       static_cast<int>(std::lround(view.height() * scale)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(view.chartBackground());
    QPainter painter(&image);
    painter.scale(scale, scale);
    QPainterCanvas canvas(painter);
    view.render(canvas);
    return image;
}

} // namespace ui

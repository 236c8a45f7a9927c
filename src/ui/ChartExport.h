#pragma once

#include <QImage>
#include <QString>

namespace ui {

class ChartView;
class RecordingCanvas;

/// Records the chart as the screen shows it: its background as a first fill over the whole
/// view, then everything the chart draws.
void recordChart(ChartView& view, RecordingCanvas& canvas);

/// The chart as an SVG picture of the view's size.
QString chartSvg(ChartView& view);

/// The chart as an image of the view's size times `scale` (pixels per point), drawn
/// antialiased over its background; a null image for a scale that is not positive.
QImage chartImage(ChartView& view, double scale = 2);

} // namespace ui

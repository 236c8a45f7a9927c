#pragma once

#include "ui/Color.h"

#include <QString>

namespace ui {

/// The drawing surface of the chart views. Coordinates are points, origin top left, y down.
/// The stroke colour serves paths; the fill colour serves rectangles and text.
class Canvas {
public:
    virtual ~Canvas();

    virtual void beginPath() = 0;
    virtual void moveTo(double x, double y) = 0;
    virtual void addLineTo(double x, double y) = 0;
    /// Strokes the current path, which is then empty.
    virtual void strokePath() = 0;
    virtual void setLineWidth(double width) = 0;
    virtual void setStrokeColor(const Color& color) = 0;
    virtual void setFillColor(double r, double g, double b, double a) = 0;
    virtual void fillRect(double x, double y, double w, double h) = 0;
    virtual void selectFont(const QString& name, double size) = 0;
    /// The (1, 0, 0, -1, 0, 0) text matrix: glyphs stand upright in top-left coordinates.
    virtual void setTextMatrixFlipped() = 0;
    /// (x, y) is the start of the baseline.
    virtual void showTextAtPoint(double x, double y, const QString& text) = 0;
};

/// The one text routine of every chart: Helvetica 10, upright, in the grey `grey`.
void drawChartText(Canvas& canvas, const QString& text, int x, int y, double grey = 0.55);

} // namespace ui

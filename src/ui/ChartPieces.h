#pragma once

#include "ui/Color.h"

#include <QRectF>

#include <initializer_list>

namespace ui {

class Canvas;

/// The pieces every chart view draws with: the black ground of its panels, straight strokes,
/// minute bars, the reference line and the value ranges that set its scales.

/// Widens a range with a value. A value can become both the maximum and the minimum (the first
/// value of a range does), which is why the minimum takes equal values too.
void widenRange(double value, float& maximum, float& minimum);

/// The scale that spreads a range over `span` points (zero for a flat range).
float scaleOf(float maximum, float minimum, double span);

/// Fills each rectangle black.
void fillGround(Canvas& canvas, std::initializer_list<QRectF> rects);

/// One straight stroke in the current colour and width.
void strokeLine(Canvas& canvas, double x0, double y0, double x1, double y1);

/// A vertical bar from its base up to `top`: white first, then in `color`, so a hairline of
/// light stays at its edges.
void strokeBar(Canvas& canvas, double x, double base, double top, const Color& color);

/// A horizontal line across [left, right] in `color`, in the current width.
void strokeHorizontal(Canvas& canvas, const Color& color, double left, double right, double y);

} // namespace ui

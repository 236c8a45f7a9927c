#pragma once

#include <QFont>

namespace ui {

/// The phone's system font: Helvetica (DejaVu Sans here) whose em is `points` logical pixels,
/// as a phone point is one logical pixel of the 480×320 window.
QFont systemFont(double points, bool bold = false);

} // namespace ui

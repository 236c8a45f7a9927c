#pragma once

#include <QColor>

namespace market {

/// How a stock or a count of stocks moved, for its colour.
enum class Move { Rise, Fall, Unchanged, Ceiling, Floor };

/// The colours of moves on the market screens: the results screen's dark green and red, yellow
/// for no change, and the boards' purple ceiling and cyan floor.
QColor moveColor(Move move);

/// The move of a change: a rise above 0, a fall below, else unchanged.
Move moveOf(double change);

} // namespace market

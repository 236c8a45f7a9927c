#pragma once

#include <QColor>

class QPushButton;

namespace market {

/// The backgrounds the results screen gives its exchange buttons, kept on the widget as well,
/// because a style sheet does not show through the palette.

/// A selector button on a blue (selected) or clear background.
void setButtonBackground(QPushButton* button, const QColor& background);
QColor buttonBackground(const QPushButton* button);

} // namespace market

#pragma once

#include <QColor>

class QLabel;
class QPushButton;

namespace market {

/// The colours the results screen gives its labels and exchange buttons. Both are kept on the
/// widget as well, because a style sheet does not show through the palette.

/// Dark green of the rises on the results labels.
QColor resultDarkGreen();

void setTextColor(QLabel* label, const QColor& color);
/// The colour last given by setTextColor (white for a label never given one).
QColor textColor(const QLabel* label);

/// A selector button on a blue (selected) or clear background.
void setButtonBackground(QPushButton* button, const QColor& background);
QColor buttonBackground(const QPushButton* button);

} // namespace market

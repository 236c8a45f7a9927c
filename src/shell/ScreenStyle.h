#pragma once

#include <QString>

class QColor;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QWidget;

namespace shell {

/// The look shared by the screens: the dark ground, bar buttons with the highlighted
/// background "bar_hl.png", and labels in the screens' system font.

/// A dark screen background painted behind every child.
void applyScreenBackground(QWidget* screen);

/// A bar button (back, home, reload, menu, function buttons).
QPushButton* makeBarButton(QWidget* parent, const QString& text, const QRect& geometry);

/// A label in white system font of the given size.
QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& geometry, int pointSize, bool bold = false);

/// The dark green of rises on the screens' labels.
QColor darkGreen();

/// Sets a label's text colour. The colour is kept on the label as well, because a style sheet
/// does not show through the palette.
void setTextColor(QLabel* label, const QColor& color);
/// The colour last given by setTextColor (white for a label never given one).
QColor textColor(const QLabel* label);

/// A text field of the forms (login, registration).
QLineEdit* makeField(QWidget* parent, const QString& placeholder, const QRect& geometry);

} // namespace shell

#pragma once

#include <QString>

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

/// A text field of the forms (login, registration).
QLineEdit* makeField(QWidget* parent, const QString& placeholder, const QRect& geometry);

} // namespace shell

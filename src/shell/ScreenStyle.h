#pragma once

#include <QString>

class QColor;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QWidget;

namespace ui {
class TrendPalette;
enum class Trend;
enum class Shade;
} // namespace ui

namespace shell {

/// The look shared by the screens: the dark ground, bar buttons with the highlighted
/// background "bar_hl.png", and labels in the screens' system font.

/// A dark screen background painted behind every child.
void applyScreenBackground(QWidget* screen);

/// A bar button (back, home, reload, menu, function buttons).
QPushButton* makeBarButton(QWidget* parent, const QString& text, const QRect& geometry);

/// Lays bar buttons left to right along one row of a screen, a gap apart, in one bold face.
class ButtonRow final {
public:
    ButtonRow(QWidget* parent, int top, double pointSize);
    /// The next button, `width` wide.
    QPushButton* add(const QString& text, int width);
    /// The next button, as wide as its caption needs.
    QPushButton* addFitting(const QString& text);
    /// What is left of the row's 480 points after the buttons so far.
    int room() const;

private:
    QWidget* m_parent;
    int m_top;
    double m_pointSize;
    int m_x;
};

/// A label in white system font of the given size.
QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& geometry, int pointSize, bool bold = false);

/// The usual dark green of rises on the screens' labels (the palette's deep rise with both
/// colour options off).
QColor darkGreen();

/// Sets a label's text colour. The colour is kept on the label as well, because a style sheet
/// does not show through the palette. A fixed colour ends any following of the trend palette.
void setTextColor(QLabel* label, const QColor& color);
/// Colours a label as a rise or a fall, from the palette now and again whenever it changes.
void setTrendColor(QLabel* label, const ui::TrendPalette& palette, ui::Trend trend, ui::Shade shade);
/// The colour last given by setTextColor (white for a label never given one).
QColor textColor(const QLabel* label);

/// A text field of the forms (login, registration).
QLineEdit* makeField(QWidget* parent, const QString& placeholder, const QRect& geometry);

} // namespace shell

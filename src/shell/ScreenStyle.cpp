#include "shell/ScreenStyle.h"

#include "ui/Fonts.h"
#include "ui/PlainLabel.h"
#include "ui/TrendPalette.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>

namespace shell {

namespace {

const char* const kTextColorProperty = "screenTextColor";

// A style sheet costs a restyle of the label: a colour that stays is not set again.
void applyTextColor(QLabel* label, const QColor& color) {
    if (label->property(kTextColorProperty) == QVariant(color)) {
        return;
    }
    label->setProperty(kTextColorProperty, color);
    const QString css = color.alpha() == 0 ? QStringLiteral("transparent") : color.name(QColor::HexRgb);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(css));
}

} // namespace

void applyScreenBackground(QWidget* screen) {
    screen->setAttribute(Qt::WA_StyledBackground);
    screen->setObjectName(QStringLiteral("screen"));
    screen->setStyleSheet(QStringLiteral(
        "#screen { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #101826, stop:1 #000000); }"));
}

QPushButton* makeBarButton(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    button->setFont(ui::systemFont(12, true));
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    // The highlighted (pressed) state shows the bar highlight picture, as on the phone.
    button->setStyleSheet(QStringLiteral("QPushButton { color: white; background: #1d2a3d; border: 1px solid #2f4360;"
                                         " border-radius: 5px; padding: 0 2px; }"
                                         "QPushButton:pressed { border-image: url(:/images/bar_hl.svg); }"
                                         "QPushButton:disabled { color: #5b6575; background: #141b26; }"));
    return button;
}

QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& geometry, int pointSize, bool bold) {
    QLabel* label = ui::plainLabel(parent, text);
    label->setGeometry(geometry);
    label->setFont(ui::systemFont(pointSize, bold));
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

QColor darkGreen() {
    return ui::TrendColors::usualRise(ui::Shade::Deep).toQColor();
}

void setTextColor(QLabel* label, const QColor& color) {
    ui::stopFollowingPalette(label);
    applyTextColor(label, color);
}

void setTrendColor(QLabel* label, const ui::TrendPalette& palette, ui::Trend trend, ui::Shade shade) {
    ui::followPalette(label, palette, [label, trend, shade](const ui::TrendColors& colors) {
        applyTextColor(label, colors.qOf(trend, shade));
    });
}

QColor textColor(const QLabel* label) {
    const QVariant color = label->property(kTextColorProperty);
    return color.isValid() ? color.value<QColor>() : QColor(Qt::white);
}

QLineEdit* makeField(QWidget* parent, const QString& placeholder, const QRect& geometry) {
    auto* field = new QLineEdit(parent);
    field->setGeometry(geometry);
    field->setPlaceholderText(placeholder);
    field->setFont(ui::systemFont(13));
    field->setStyleSheet(QStringLiteral("QLineEdit { color: black; background: white; border: 1px solid #8aa0c0;"
                                        " border-radius: 5px; padding: 0 2px; }"));
    return field;
}

namespace {

constexpr int kButtonGap = 4;
constexpr int kButtonHeight = 26;

} // namespace

ButtonRow::ButtonRow(QWidget* parent, int top, double pointSize)
    : m_parent(parent)
    , m_top(top)
    , m_pointSize(pointSize)
    , m_x(kButtonGap) {}

QPushButton* ButtonRow::add(const QString& text, int width) {
    QPushButton* button = makeBarButton(m_parent, text, QRect(m_x, m_top, width, kButtonHeight));
    button->setFont(ui::systemFont(m_pointSize, true));
    m_x += width + kButtonGap;
    return button;
}

QPushButton* ButtonRow::addFitting(const QString& text) {
    constexpr int kPadding = 12;
    return add(text, QFontMetrics(ui::systemFont(m_pointSize, true)).horizontalAdvance(text) + kPadding);
}

int ButtonRow::room() const {
    return 480 - m_x - kButtonGap;
}

} // namespace shell

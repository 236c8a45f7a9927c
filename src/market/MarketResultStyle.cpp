#include "market/MarketResultStyle.h"

#include <QLabel>
#include <QPushButton>
#include <QVariant>

namespace market {

namespace {

const char* const kTextColorProperty = "resultTextColor";
const char* const kBackgroundProperty = "resultBackground";

QString cssColor(const QColor& color) {
    return color.alpha() == 0 ? QStringLiteral("transparent") : color.name(QColor::HexRgb);
}

} // namespace

QColor resultDarkGreen() {
    return QColor::fromRgbF(0.13F, 0.55F, 0.13F);
}

void setTextColor(QLabel* label, const QColor& color) {
    label->setProperty(kTextColorProperty, color);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(cssColor(color)));
}

QColor textColor(const QLabel* label) {
    const QVariant color = label->property(kTextColorProperty);
    return color.isValid() ? color.value<QColor>() : QColor(Qt::white);
}

void setButtonBackground(QPushButton* button, const QColor& background) {
    button->setProperty(kBackgroundProperty, background);
    button->setStyleSheet(QStringLiteral("QPushButton { color: white; background: %1; border: 1px solid #2f4360;"
                                         " border-radius: 5px; padding: 0 6px; }"
                                         "QPushButton:pressed { border-image: url(:/images/bar_hl.svg); }")
                              .arg(cssColor(background)));
}

QColor buttonBackground(const QPushButton* button) {
    const QVariant color = button->property(kBackgroundProperty);
    return color.isValid() ? color.value<QColor>() : QColor(Qt::transparent);
}

} // namespace market

#include "market/MarketResultStyle.h"

#include <QPushButton>
#include <QVariant>

namespace market {

namespace {

const char* const kBackgroundProperty = "resultBackground";

QString cssColor(const QColor& color) {
    return color.alpha() == 0 ? QStringLiteral("transparent") : color.name(QColor::HexRgb);
}

} // namespace

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

#include "ui/Color.h"

#include <QColor>

namespace ui {

QColor Color::toQColor() const {
    return QColor::fromRgbF(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b), static_cast<float>(a));
}

} // namespace ui

#include "ui/Fonts.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace ui {

QFont systemFont(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points))));
    font.setBold(bold);
    return font;
}

} // namespace ui

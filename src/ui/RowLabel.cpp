#include "ui/RowLabel.h"

#include "ui/Fonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

namespace ui {

namespace {

constexpr double kSmallestShare = 0.7;
// The system font is sized in whole pixels.
constexpr double kStep = 1;

} // namespace

QFont fittingFont(const QString& text, int width, int pointSize, bool bold) {
    QFont font = systemFont(pointSize, bold);
    for (double points = pointSize - kStep;
         QFontMetrics(font).horizontalAdvance(text) > width && points >= pointSize * kSmallestShare; points -= kStep) {
        font = systemFont(points, bold);
    }
    return font;
}

void paintLabel(QPainter& painter, const QRect& rect, const QString& text, const QColor& color, int pointSize,
                bool bold, Qt::Alignment alignment) {
    const QFont font = fittingFont(text, rect.width(), pointSize, bold);
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, rect.width());
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(rect, static_cast<int>(alignment) | Qt::TextSingleLine, shown);
    painter.restore();
}

void paintCentred(QPainter& painter, const QPixmap& picture, const QRect& frame) {
    const QSizeF size = picture.deviceIndependentSize();
    painter.drawPixmap(
        QPointF(frame.x() + (frame.width() - size.width()) / 2, frame.y() + (frame.height() - size.height()) / 2),
        picture);
}

} // namespace ui

#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QPixmap;
class QRect;

namespace ui {

/// Paints one label of a table row: one line in the system font, cut with "…" when too long.
void paintLabel(QPainter& painter, const QRect& rect, const QString& text, const QColor& color, int pointSize,
                bool bold, Qt::Alignment alignment);

/// Paints a picture centred in a frame of a row, by its size in points (any pixel density).
void paintCentred(QPainter& painter, const QPixmap& picture, const QRect& frame);

} // namespace ui

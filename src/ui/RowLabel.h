#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QFont;
class QPixmap;
class QRect;

namespace ui {

/// Paints one label of a table row: one line in the system font. A text too long for the frame
/// is drawn smaller first, down to seven tenths of the size, so a large figure stays whole; only
/// what is still too long is cut with "…".
/// The font a row label draws `text` in within `width`: the system font at `pointSize`, or the
/// largest smaller size down to seven tenths of it at which the text fits.
QFont fittingFont(const QString& text, int width, int pointSize, bool bold);
void paintLabel(QPainter& painter, const QRect& rect, const QString& text, const QColor& color, int pointSize,
                bool bold, Qt::Alignment alignment);

/// Paints a picture centred in a frame of a row, by its size in points (any pixel density).
void paintCentred(QPainter& painter, const QPixmap& picture, const QRect& frame);

} // namespace ui

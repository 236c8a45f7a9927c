#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ui {

/// The program's artwork ":/images/<fileName>". A ".png" that is not there is drawn from the
/// ".svg" of the same name, at `size` (or the picture's own size) and at the screen's pixel
/// ratio times the largest zoom it is drawn sharp at. Gives a null pixmap when neither exists.
QPixmap artwork(const QString& fileName, QSize size = {});
QIcon artworkIcon(const QString& fileName);

/// The same lookup in another folder (a resource prefix or a directory on disk).
QPixmap artworkFrom(const QString& folder, const QString& fileName, QSize size = {});

} // namespace ui

#include "ui/Artwork.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

#include <cmath>

namespace ui {

namespace {

const QString kImages = QStringLiteral(":/images");

// The window zooms the screens by scaling their drawing, which would enlarge a picture made at
// the screen's pixels. Pictures are made this many times finer, so they stay sharp up to this
// zoom and are smoothly reduced below it.
constexpr qreal kZoomDetail = 4;

qreal screenPixelRatio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return (screen ? screen->devicePixelRatio() : 1.0) * kZoomDetail;
}

QPixmap renderSvg(const QString& path, QSize size) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        return {};
    }
    const QSize logical = size.isValid() ? size : renderer.defaultSize();
    if (logical.isEmpty()) {
        return {};
    }
    const qreal ratio = screenPixelRatio();
    QPixmap pixmap(QSize(static_cast<int>(std::ceil(logical.width() * ratio)),
                         static_cast<int>(std::ceil(logical.height() * ratio))));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QPixmap loadBitmap(const QString& path, QSize size) {
    QPixmap pixmap(path);
    if (pixmap.isNull() || !size.isValid() || pixmap.deviceIndependentSize().toSize() == size) {
        return pixmap;
    }
    return pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QPixmap artworkFrom(const QString& folder, const QString& fileName, QSize size) {
    if (fileName.isEmpty()) {
        return {};
    }
    const QString path = folder + QLatin1Char('/') + fileName;
    if (fileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        return QFileInfo::exists(path) ? renderSvg(path, size) : QPixmap();
    }
    if (QFileInfo::exists(path)) {
        return loadBitmap(path, size);
    }
    if (fileName.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        const QString svg = folder + QLatin1Char('/') + fileName.chopped(4) + QStringLiteral(".svg");
        if (QFileInfo::exists(svg)) {
            return renderSvg(svg, size);
        }
    }
    return {};
}

QPixmap artwork(const QString& fileName, QSize size) {
    return artworkFrom(kImages, fileName, size);
}

QIcon artworkIcon(const QString& fileName) {
    const QPixmap pixmap = artwork(fileName);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

} // namespace ui

#include "ui/LiveModeButton.h"

#include "ui/Artwork.h"

#include <QPainter>

namespace ui {

LiveModeButton::LiveModeButton(QWidget* parent)
    : QPushButton(parent) {
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"));
    m_frames.resize(kFrameCount);
    showFrame(0);
}

void LiveModeButton::showFrame(int index) {
    m_frame = ((index % kFrameCount) + kFrameCount) % kFrameCount;
    update();
}

const QPixmap& LiveModeButton::framePicture(int index) {
    QPixmap& picture = m_frames[index];
    if (picture.isNull()) {
        picture = artwork(QStringLiteral("Frame%1.png").arg(index));
    }
    return picture;
}

void LiveModeButton::paintEvent(QPaintEvent* /*event*/) {
    const QPixmap& picture = framePicture(m_frame);
    if (picture.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // As the icon was: as large as fits the button, its aspect kept, centred.
    const QSizeF shown = picture.deviceIndependentSize().scaled(QSizeF(size()), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    painter.drawPixmap(target, picture, QRectF(picture.rect()));
}

} // namespace ui

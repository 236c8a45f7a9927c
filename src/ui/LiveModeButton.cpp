#include "ui/LiveModeButton.h"

#include "ui/Artwork.h"

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
    setIcon(frameIcon(m_frame));
}

const QIcon& LiveModeButton::frameIcon(int index) {
    QIcon& icon = m_frames[index];
    if (icon.isNull()) {
        icon = artworkIcon(QStringLiteral("Frame%1.png").arg(index));
    }
    return icon;
}

void LiveModeButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    setIconSize(size());
}

} // namespace ui

#pragma once

#include <QList>
#include <QPixmap>
#include <QPushButton>

namespace ui {

/// The live-mode button: shows one of the 37 frames "Frame0.png" … "Frame36.png". The screen's
/// live-refresh piece drives the animation.
class LiveModeButton final : public QPushButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LiveModeButton)

public:
    static constexpr int kFrameCount = 37;

    explicit LiveModeButton(QWidget* parent = nullptr);

    /// Shows frame `index` (0 to 36; other values are brought into that range).
    void showFrame(int index);
    int frame() const { return m_frame; }

protected:
    /// The frame is drawn straight onto the painter rather than as the button's icon, which would
    /// be reduced to the widget's own pixels and look soft under the window's zoom.
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& framePicture(int index);

    int m_frame = 0;
    // Loaded on first use: the animation shows a frame every 0.15 s.
    QList<QPixmap> m_frames;
};

} // namespace ui

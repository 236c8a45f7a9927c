#pragma once

#include <QIcon>
#include <QList>
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
    void resizeEvent(QResizeEvent* event) override;

private:
    const QIcon& frameIcon(int index);

    int m_frame = 0;
    // Loaded on first use: the animation shows a frame every 0.15 s.
    QList<QIcon> m_frames;
};

} // namespace ui

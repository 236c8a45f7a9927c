#pragma once

#include <QGraphicsView>
#include <QRectF>
#include <QSizeF>

class QGraphicsProxyWidget;
class QGraphicsScene;

namespace app {

/// Where a screen of a fixed size goes in an area: as large as fits with its aspect kept, centred,
/// the rest of the area left to the background.
struct ScreenFit {
    double scale = 1;
    QRectF rect;
};
ScreenFit fitScreen(QSizeF area, QSizeF screen);

/// Shows one fixed-size widget (the phone-sized screens) scaled to fit the view, letterboxed on
/// the view's background. The widget paints through the view's transform, so text, charts and
/// vector artwork are drawn at the final size rather than enlarged from a bitmap.
class ScaledScreenView final : public QGraphicsView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScaledScreenView)

public:
    /// Takes over `screen`, which keeps its own fixed size.
    ScaledScreenView(QWidget* screen, QWidget* parent);

    /// The screen's scale and place in the view's coordinates.
    ScreenFit fit() const { return m_fit; }
    /// Gives the keyboard to the screen, as clicking on it would.
    void focusScreen();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refit();

    QGraphicsScene* m_scene = nullptr;
    QGraphicsProxyWidget* m_proxy = nullptr;
    QSizeF m_screenSize;
    ScreenFit m_fit;
};

} // namespace app

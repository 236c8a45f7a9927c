#include "app/ScaledScreenView.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QResizeEvent>

#include <algorithm>

namespace app {

ScreenFit fitScreen(QSizeF area, QSizeF screen) {
    if (screen.isEmpty() || area.isEmpty()) {
        return {};
    }
    const double scale = std::min(area.width() / screen.width(), area.height() / screen.height());
    const QSizeF shown = screen * scale;
    const QPointF corner((area.width() - shown.width()) / 2, (area.height() - shown.height()) / 2);
    return {scale, QRectF(corner, shown)};
}

ScaledScreenView::ScaledScreenView(QWidget* screen, QWidget* parent)
    : QGraphicsView(parent)
    , m_scene(new QGraphicsScene(this))
    , m_screenSize(screen->size()) {
    m_proxy = m_scene->addWidget(screen);
    m_scene->setSceneRect(QRectF(QPointF(0, 0), m_screenSize));
    setScene(m_scene);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignCenter);
    // Pictures are drawn from a larger rendering when the screen is shown large; smooth sampling
    // keeps their edges clean at every scale in between.
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    // A changing scale repaints the whole screen anyway; partial updates of a scaled proxy leave
    // seams at fractional scales.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setFocusPolicy(Qt::StrongFocus);
}

void ScaledScreenView::focusScreen() {
    setFocus(Qt::OtherFocusReason);
    m_scene->setFocusItem(m_proxy, Qt::OtherFocusReason);
}

void ScaledScreenView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    refit();
}

void ScaledScreenView::refit() {
    m_fit = fitScreen(QSizeF(viewport()->size()), m_screenSize);
    if (m_fit.scale <= 0) {
        return;
    }
    setTransform(QTransform::fromScale(m_fit.scale, m_fit.scale));
    centerOn(m_scene->sceneRect().center());
}

} // namespace app

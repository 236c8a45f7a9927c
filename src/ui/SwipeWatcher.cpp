#include "ui/SwipeWatcher.h"

#include <QMouseEvent>
#include <QWidget>

namespace ui {

SwipeWatcher::SwipeWatcher(QWidget* widget, std::function<void()> onLeft, std::function<void()> onRight)
    : QObject(widget)
    , m_onLeft(std::move(onLeft))
    , m_onRight(std::move(onRight)) {
    widget->installEventFilter(this);
}

SwipeWatcher::~SwipeWatcher() = default;

bool SwipeWatcher::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) {
        return QObject::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        m_swipe.began(mouse->position());
    } else if (type == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
        switch (m_swipe.moved(mouse->position())) {
        case SwipeClassifier::Swipe::Left:
            m_onLeft();
            break;
        case SwipeClassifier::Swipe::Right:
            m_onRight();
            break;
        case SwipeClassifier::Swipe::None:
            break;
        }
    } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
        m_swipe.ended();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui

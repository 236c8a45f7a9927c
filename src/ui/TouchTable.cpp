#include "ui/TouchTable.h"

#include <QDebug>
#include <QMouseEvent>

namespace ui {

TouchTable::TouchTable(QWidget* parent)
    : RowTable(parent) {}

void TouchTable::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        qDebug("touchesBegan");
        m_touching = true;
        m_lastPosition = event->position();
        if (m_viewControl) {
            m_viewControl->touchesBegan(event->position());
        }
    }
    RowTable::mousePressEvent(event);
}

void TouchTable::mouseMoveEvent(QMouseEvent* event) {
    if (m_touching) {
        qDebug("touchesMoved");
        m_lastPosition = event->position();
        if (m_touchDelegate) {
            m_touchDelegate->touchesMoved(event->position());
        }
    }
    RowTable::mouseMoveEvent(event);
}

void TouchTable::mouseReleaseEvent(QMouseEvent* event) {
    if (m_touching && event->button() == Qt::LeftButton) {
        m_touching = false;
        if (m_touchDelegate) {
            m_touchDelegate->touchesEnded(event->position());
        }
    }
    RowTable::mouseReleaseEvent(event);
}

// A table hidden in the middle of a touch never sees its end: that is a cancelled touch.
void TouchTable::hideEvent(QHideEvent* event) {
    if (m_touching) {
        m_touching = false;
        if (m_touchDelegate) {
            m_touchDelegate->touchesCancelled(m_lastPosition);
        }
    }
    RowTable::hideEvent(event);
}

} // namespace ui

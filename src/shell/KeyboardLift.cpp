#include "shell/KeyboardLift.h"

#include <QEvent>
#include <QLineEdit>

namespace shell {

KeyboardLift::KeyboardLift(QWidget* screen, bool hasOnScreenKeyboard)
    : QObject(screen)
    , m_screen(screen)
    , m_lifts(hasOnScreenKeyboard) {}

void KeyboardLift::watch(QLineEdit* field) {
    field->installEventFilter(this);
}

void KeyboardLift::lower() {
    if (m_screen) {
        m_screen->move(m_screen->x(), 0);
    }
}

bool KeyboardLift::isLifted() const {
    return m_screen && m_screen->y() == kLift;
}

bool KeyboardLift::eventFilter(QObject* watched, QEvent* event) {
    if (m_lifts && event->type() == QEvent::FocusIn && m_screen) {
        m_screen->move(m_screen->x(), kLift);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace shell

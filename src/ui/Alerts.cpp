#include "ui/Alerts.h"

#include "ui/AlertOverlay.h"

#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

namespace ui {

// The filter sits on the window, so keys that no focused widget used stop here too; it is
// installed after the navigator's and so runs before it.
Alerts::Alerts(QWidget* overlayParent)
    : m_parent(overlayParent) {
    if (overlayParent) {
        overlayParent->installEventFilter(this);
    }
}

Alerts::~Alerts() {
    hideOverlay();
}

void Alerts::show(const QString& title, const QString& message, const QStringList& buttons,
                  std::function<void(int index)> callback) {
    // One outage seen by several timers must not stack one message per tick.
    if (isUpOrWaiting(title, message, buttons)) {
        return;
    }
    enqueue(Pending{title, message, buttons, std::move(callback)});
}

void Alerts::enqueue(Pending pending) {
    m_queue.push_back(std::move(pending));
    if (!m_current && !m_inCallback) {
        showNext();
    }
}

QString Alerts::currentTitle() const {
    return m_current ? m_current->title : QString();
}

QString Alerts::currentMessage() const {
    return m_current ? m_current->message : QString();
}

QStringList Alerts::currentButtons() const {
    return m_current ? m_current->buttons : QStringList();
}

QWidget* Alerts::currentOverlay() const {
    return m_overlay.data();
}

void Alerts::press(int index) {
    if (!m_current || index < 0 || index >= m_current->buttons.size()) {
        return;
    }
    const std::function<void(int)> callback = std::move(m_current->callback);
    m_current.reset();
    hideOverlay();
    // Alerts raised by the callback go behind those already waiting.
    if (callback) {
        m_inCallback = true;
        callback(index);
        m_inCallback = false;
    }
    showNext();
}

bool Alerts::isUpOrWaiting(const QString& title, const QString& message, const QStringList& buttons) const {
    if (m_current && m_current->sameAlertAs(title, message, buttons)) {
        return true;
    }
    return std::any_of(m_queue.begin(), m_queue.end(),
                       [&](const Pending& pending) { return pending.sameAlertAs(title, message, buttons); });
}

bool Alerts::pressKey(int qtKey) {
    if (!m_current) {
        return false;
    }
    const int buttonCount = static_cast<int>(m_current->buttons.size());
    if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter) {
        press(buttonCount - 1);
    } else if (qtKey == Qt::Key_Escape) {
        press(0);
    }
    return true;
}

bool Alerts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && m_current) {
        return pressKey(static_cast<QKeyEvent*>(event)->key());
    }
    return QObject::eventFilter(watched, event);
}

void Alerts::tell(const QString& message) {
    const QStringList ok{QStringLiteral("OK")};
    if (isUpOrWaiting(QString(), message, ok)) {
        return;
    }
    std::erase_if(m_queue, [](const Pending& pending) { return pending.notice; });
    Pending notice{QString(), message, ok, {}, true};
    if (m_current && m_current->notice) {
        // In the place of the one on screen, ahead of whatever waits behind it.
        m_current.reset();
        hideOverlay();
        m_queue.push_front(std::move(notice));
        showNext();
        return;
    }
    enqueue(std::move(notice));
}

void Alerts::ask(const QString& question, std::function<void(int index)> callback) {
    show(QString(), question, {QStringLiteral("NO"), QStringLiteral("YES")}, std::move(callback));
}

void Alerts::showNext() {
    if (m_current || m_queue.empty()) {
        return;
    }
    m_current = std::move(m_queue.front());
    m_queue.pop_front();
    if (!m_parent) {
        return;
    }
    m_overlay = new AlertOverlay(m_current->title, m_current->message, m_current->buttons, m_parent);
    connect(m_overlay.data(), &AlertOverlay::buttonClicked, this, &Alerts::press);
    m_overlay->show();
    m_overlay->raise();
    // A field of the screen behind keeps no focus: typing must not go on under the alert.
    m_overlay->setFocus(Qt::OtherFocusReason);
}

// The overlay may be the sender of the click being handled, so it goes later.
void Alerts::hideOverlay() {
    if (m_overlay) {
        m_overlay->hide();
        m_overlay->disconnect(this);
        m_overlay->deleteLater();
        m_overlay = nullptr;
    }
}

} // namespace ui

#include "ui/Alerts.h"

#include "ui/AlertOverlay.h"

namespace ui {

Alerts::Alerts(QWidget* overlayParent)
    : m_parent(overlayParent) {}

Alerts::~Alerts() {
    hideOverlay();
}

void Alerts::show(const QString& title, const QString& message, const QStringList& buttons,
                  std::function<void(int index)> callback) {
    m_queue.push_back(Pending{title, message, buttons, std::move(callback)});
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

#include "ui/Navigator.h"

#include "ui/ViewController.h"

#include <QKeyEvent>
#include <QStackedWidget>

namespace ui {

Navigator::Navigator(QStackedWidget* host, QObject* parent)
    : QObject(parent)
    , m_host(host) {
    if (host) {
        watchKeysOf(host->window());
    }
}

Navigator::~Navigator() {
    for (ViewController* controller : std::as_const(m_stack)) {
        release(controller);
    }
}

ViewController* Navigator::topController() const {
    return m_stack.isEmpty() ? nullptr : m_stack.last();
}

void Navigator::setRoot(ViewController* root) {
    if (!root || (m_stack.size() == 1 && m_stack.first() == root)) {
        return;
    }
    ViewController* leaving = topController();
    const QList<ViewController*> old = m_stack;
    m_stack = {root};
    adopt(root);
    for (ViewController* controller : old) {
        if (controller != root && controller != leaving) {
            release(controller);
        }
    }
    transition(leaving == root ? nullptr : leaving, root, false);
}

void Navigator::push(ViewController* controller, bool animated) {
    if (!controller || m_stack.contains(controller)) {
        return;
    }
    ViewController* leaving = topController();
    m_stack.append(controller);
    adopt(controller);
    transition(leaving, controller, animated);
}

void Navigator::pop(bool animated) {
    if (m_stack.size() < 2) {
        return;
    }
    ViewController* leaving = m_stack.takeLast();
    transition(leaving, m_stack.last(), animated);
}

void Navigator::popToRoot(bool animated) {
    if (m_stack.size() < 2) {
        return;
    }
    ViewController* leaving = m_stack.takeLast();
    // Screens between the top and the root leave without being shown, as on a phone.
    while (m_stack.size() > 1) {
        release(m_stack.takeLast());
    }
    transition(leaving, m_stack.first(), animated);
}

// The phone order: will-disappear, will-appear, switch, did-disappear, did-appear.
void Navigator::transition(ViewController* leaving, ViewController* arriving, bool animated) {
    arriving->setNavigationController(this);
    QWidget* view = arriving->view();
    if (m_host && m_host->indexOf(view) < 0) {
        m_host->addWidget(view);
    }
    if (leaving) {
        leaving->viewWillDisappear(animated);
    }
    arriving->viewWillAppear(animated);
    if (m_host) {
        m_host->setCurrentWidget(view);
    }
    if (leaving) {
        leaving->viewDidDisappear(animated);
        if (!m_stack.contains(leaving)) {
            release(leaving);
        }
    }
    arriving->viewDidAppear(animated);
    Q_EMIT topChanged(topController());
}

void Navigator::adopt(ViewController* controller) {
    disconnect(controller, &QObject::destroyed, this, nullptr);
    connect(controller, &QObject::destroyed, this, [this, controller] { forget(controller); });
}

// Off the stack: the controller no longer has a navigation controller and its view leaves the
// host (it stays a hidden child of the host until the controller deletes it).
void Navigator::release(ViewController* controller) {
    controller->setNavigationController(nullptr);
    disconnect(controller, &QObject::destroyed, this, nullptr);
    if (m_host && controller->isViewLoaded()) {
        m_host->removeWidget(controller->view());
    }
}

void Navigator::forget(ViewController* controller) {
    const bool wasTop = topController() == controller;
    m_stack.removeAll(controller);
    if (wasTop && m_host && topController()) {
        m_host->setCurrentWidget(topController()->view());
    }
    if (wasTop) {
        Q_EMIT topChanged(topController());
    }
}

bool Navigator::dispatchKey(int key) {
    ViewController* top = topController();
    return top && top->handleKey(key);
}

void Navigator::watchKeysOf(QWidget* window) {
    if (window) {
        window->installEventFilter(this);
    }
}

bool Navigator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (dispatchKey(key->key())) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui

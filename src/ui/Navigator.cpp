#include "ui/Navigator.h"

#include "ui/ViewController.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStackedWidget>

#include <algorithm>

namespace ui {

namespace {

// Watches every mouse event of the application, as the clicks go to the screens' own widgets;
// only those inside the navigation host are looked at.
class StaleClickFilter final : public QObject {
public:
    StaleClickFilter(const Navigator& navigator, QWidget* host)
        : m_navigator(navigator)
        , m_host(host) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
            type != QEvent::MouseButtonRelease) {
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !m_host || !m_host->isAncestorOf(widget)) {
            return false;
        }
        if (type == QEvent::MouseButtonPress) {
            m_topAtPress = m_navigator.topController();
            return false;
        }
        if (type == QEvent::MouseButtonDblClick && m_navigator.topController() != m_topAtPress) {
            m_dropRelease = true;
            return true;
        }
        // The release that ends a dropped double click would otherwise complete a click that a
        // table still remembers from an earlier press.
        if (type == QEvent::MouseButtonRelease && m_dropRelease) {
            m_dropRelease = false;
            return true;
        }
        return false;
    }

private:
    const Navigator& m_navigator;
    QPointer<QWidget> m_host;
    QPointer<ViewController> m_topAtPress;
    bool m_dropRelease = false;
};

} // namespace

Navigator::Navigator(QStackedWidget* host, QObject* parent)
    : QObject(parent)
    , m_host(host) {
    if (host) {
        watchKeysOf(host->window());
        dropStaleDoubleClicks();
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

void Navigator::popTo(ViewController* controller, bool animated) {
    const qsizetype index = m_stack.indexOf(controller);
    if (index < 0 || index == m_stack.size() - 1) {
        return;
    }
    ViewController* leaving = m_stack.takeLast();
    while (m_stack.size() > index + 1) {
        release(m_stack.takeLast());
    }
    transition(leaving, controller, animated);
}

void Navigator::replaceTop(ViewController* controller, bool animated) {
    if (!controller || m_stack.contains(controller) || m_stack.size() < 2) {
        push(controller, animated);
        return;
    }
    ViewController* leaving = m_stack.takeLast();
    m_stack.append(controller);
    adopt(controller);
    transition(leaving, controller, animated);
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
    arriving->resetPressCount();
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

bool Navigator::dispatchTyping(const QString& text, Qt::KeyboardModifiers modifiers) {
    ViewController* top = topController();
    if (!top || text.isEmpty() || (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false;
    }
    if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return !c.isPrint(); })) {
        return false;
    }
    return top->handleTyping(text, modifiers);
}

void Navigator::watchKeysOf(QWidget* window) {
    if (window) {
        window->installEventFilter(this);
    }
}

void Navigator::dropStaleDoubleClicks() {
    if (m_staleClickFilter || !m_host || !QCoreApplication::instance()) {
        return;
    }
    m_staleClickFilter = std::make_unique<StaleClickFilter>(*this, m_host);
    QCoreApplication::instance()->installEventFilter(m_staleClickFilter.get());
}

bool Navigator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (dispatchTyping(key->text(), key->modifiers()) || dispatchKey(key->key())) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

class QStackedWidget;
class QWidget;

namespace ui {

class ViewController;

/// The navigation stack of a phone app over a QStackedWidget. It does not own the controllers;
/// a controller destroyed while on the stack simply leaves it.
class Navigator final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Navigator)

public:
    explicit Navigator(QStackedWidget* host, QObject* parent = nullptr);
    ~Navigator() override;

    /// Replaces the whole stack by `root`.
    void setRoot(ViewController* root);
    /// Ignored when the controller is already on the stack.
    void push(ViewController* controller, bool animated);
    /// Does nothing on the root.
    void pop(bool animated);
    void popToRoot(bool animated);
    /// Pops the screens above `controller`; nothing when it is not on the stack.
    void popTo(ViewController* controller, bool animated);
    /// Puts `controller` in place of the top screen, as a pop and a push would without showing
    /// the screen between. Ignored when the controller is already on the stack.
    void replaceTop(ViewController* controller, bool animated);

    ViewController* topController() const;
    QList<ViewController*> viewControllers() const { return m_stack; }

    /// Gives a key to the top screen; returns whether it used it.
    bool dispatchKey(int key);
    /// Gives typed text to the top screen (see ViewController::handleTyping); text typed with
    /// Ctrl, Alt or Meta, and control characters, are never offered.
    bool dispatchTyping(const QString& text, Qt::KeyboardModifiers modifiers);
    /// Sends the key presses that reach `window` (and are not used by a child) to dispatchKey.
    void watchKeysOf(QWidget* window);
    /// Drops the second click of a double click when the first one changed the screen: it was
    /// meant for the screen that is gone, not for the button now at the same place.
    void dropStaleDoubleClicks();

Q_SIGNALS:
    void topChanged(ui::ViewController* top);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void transition(ViewController* leaving, ViewController* arriving, bool animated);
    void adopt(ViewController* controller);
    void forget(ViewController* controller);
    void release(ViewController* controller);

    QPointer<QStackedWidget> m_host;
    QList<ViewController*> m_stack;
    std::unique_ptr<QObject> m_staleClickFilter;
};

} // namespace ui

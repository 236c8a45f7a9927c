#pragma once

#include "ui/SwipeClassifier.h"

#include <QObject>

#include <functional>

class QWidget;

namespace ui {

/// Reads horizontal swipes over a widget that handles its own mouse events (a page view, say):
/// it watches the widget's presses and moves without taking them, and reports each swipe once.
class SwipeWatcher final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SwipeWatcher)

public:
    /// Watches `widget`, whose child it becomes.
    SwipeWatcher(QWidget* widget, std::function<void()> onLeft, std::function<void()> onRight);
    ~SwipeWatcher() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SwipeClassifier m_swipe;
    std::function<void()> m_onLeft;
    std::function<void()> m_onRight;
};

} // namespace ui

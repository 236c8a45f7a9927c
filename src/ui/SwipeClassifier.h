#pragma once

#include <QPointF>

namespace ui {

/// Tells a horizontal swipe across a chart from a vertical move, once per touch: a move counts
/// as a swipe when it is more than twice as wide as it is tall and more than 20 points wide.
class SwipeClassifier final {
public:
    enum class Swipe { None, Left, Right };

    void began(QPointF position);
    /// The swipe this move completes, or None (also for every later move of the same touch).
    Swipe moved(QPointF position);
    void ended();
    void cancelled(QPointF position);

    bool isProcessingListMove() const { return m_isProcessingListMove; }
    QPointF startPosition() const { return m_start; }

private:
    QPointF m_start;
    bool m_isProcessingListMove = false;
};

} // namespace ui

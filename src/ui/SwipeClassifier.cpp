#include "ui/SwipeClassifier.h"

#include <cmath>

namespace ui {

namespace {

// The integer part of |value|, as the classification compares it.
long wholeOf(double value) {
    return static_cast<long>(std::fabs(value));
}

} // namespace

void SwipeClassifier::began(QPointF position) {
    if (position != m_start) {
        m_isProcessingListMove = false;
    }
    m_start = position;
}

SwipeClassifier::Swipe SwipeClassifier::moved(QPointF position) {
    // The 0.1 keeps both ratios finite when the touch has not moved along one axis.
    const double dx = m_start.x() - position.x() + 0.1;
    const double dy = m_start.y() - position.y() + 0.1;
    if (wholeOf(dx / dy) > 1 && wholeOf(dx) > 20) {
        if (m_isProcessingListMove) {
            return Swipe::None;
        }
        m_isProcessingListMove = true;
        return m_start.x() >= position.x() ? Swipe::Left : Swipe::Right;
    }
    if (wholeOf(dy / dx) > 1) {
        m_isProcessingListMove = true;
    }
    return Swipe::None;
}

void SwipeClassifier::ended() {
    m_isProcessingListMove = false;
}

void SwipeClassifier::cancelled(QPointF position) {
    if (position.x() <= 0) {
        return;
    }
    const double dx = m_start.x() - position.x() + 0.1;
    const double dy = m_start.y() - position.y() + 0.1;
    if (wholeOf(dx) < 11 && wholeOf(dy / dx) > 1) {
        m_isProcessingListMove = true;
    }
    if (wholeOf(dx) >= 11 && !m_isProcessingListMove) {
        m_isProcessingListMove = true;
    }
}

} // namespace ui

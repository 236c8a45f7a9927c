#pragma once

#include <QPointF>

namespace ui {

/// Something that follows the phases of a touch, positions in the sender's coordinates.
class TouchReceiver {
public:
    virtual ~TouchReceiver() = default;
    virtual void touchesBegan(QPointF /*position*/) {}
    virtual void touchesMoved(QPointF /*position*/) {}
    virtual void touchesEnded(QPointF /*position*/) {}
    virtual void touchesCancelled(QPointF /*position*/) {}
};

} // namespace ui

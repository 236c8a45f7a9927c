#pragma once

#include "ui/RowTable.h"
#include "ui/TouchReceiver.h"

namespace ui {

/// A table that also reports its touches: the start of a touch to `viewControl`, its moves,
/// end and cancellation to the table's delegate, so a screen can read swipes over its list.
class TouchTable final : public RowTable {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TouchTable)

public:
    explicit TouchTable(QWidget* parent = nullptr);

    /// Neither is owned.
    void setViewControl(TouchReceiver* viewControl) { m_viewControl = viewControl; }
    void setTouchDelegate(TouchReceiver* delegate) { m_touchDelegate = delegate; }
    TouchReceiver* viewControl() const { return m_viewControl; }
    TouchReceiver* touchDelegate() const { return m_touchDelegate; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TouchReceiver* m_viewControl = nullptr;
    TouchReceiver* m_touchDelegate = nullptr;
    bool m_touching = false;
    QPointF m_lastPosition;
};

} // namespace ui

#include "shell/ToggleSwitch.h"

#include <QPainter>

namespace shell {

ToggleSwitch::ToggleSwitch(QWidget* parent)
    : QAbstractButton(parent) {
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
}

void ToggleSwitch::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double radius = track.height() / 2;
    QColor trackColor = isChecked() ? QColor(76, 217, 100) : QColor(90, 96, 110);
    if (!isEnabled()) {
        trackColor = trackColor.darker(170);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(trackColor);
    painter.drawRoundedRect(track, radius, radius);
    const double knob = track.height() - 4;
    const double x = isChecked() ? track.right() - knob - 2 : track.left() + 2;
    painter.setBrush(isEnabled() ? QColor(Qt::white) : QColor(170, 170, 170));
    painter.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
}

} // namespace shell

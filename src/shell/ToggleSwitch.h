#pragma once

#include <QAbstractButton>

namespace shell {

/// An on/off switch in the phone style: a rounded track with a sliding knob.
class ToggleSwitch final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToggleSwitch)

public:
    explicit ToggleSwitch(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {51, 31}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace shell

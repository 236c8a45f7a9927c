#pragma once

#include <QLabel>

namespace ui {

/// A label showing a picture drawn straight onto the painter, stretched to the label's size.
/// QLabel itself first reduces its picture to the widget's own pixels, which the window's zoom
/// would then enlarge; drawn this way, a picture made finer stays sharp at any zoom up to its
/// detail.
class PictureLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureLabel)

public:
    explicit PictureLabel(QWidget* parent = nullptr)
        : QLabel(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui

#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

namespace ui {

/// A row with a bold name on the left and a control on the right, centred vertically.
class DisplayCell final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DisplayCell)

public:
    static constexpr int kPageControlWidth = 160;

    explicit DisplayCell(QWidget* parent = nullptr);

    QLabel* nameLabel() const { return m_nameLabel; }
    QWidget* view() const { return m_view.data(); }
    /// Puts `control` on the right (the cell becomes its parent).
    void setView(QWidget* control);
    /// A page control is made 160 wide.
    void setPageControlView(QWidget* pageControl);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();

    QLabel* m_nameLabel = nullptr;
    QPointer<QWidget> m_view;
};

} // namespace ui

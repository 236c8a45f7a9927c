#pragma once

#include <QWidget>

class QTextEdit;

namespace ui {

/// A row holding a text view, inset by 8 on every side once the row is wide enough for it.
class CellTextView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CellTextView)

public:
    explicit CellTextView(QWidget* parent = nullptr);

    QTextEdit* view() const { return m_view; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();

    QTextEdit* m_view = nullptr;
};

} // namespace ui

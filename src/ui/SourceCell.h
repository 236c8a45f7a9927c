#pragma once

#include <QWidget>

class QLabel;

namespace ui {

/// A row showing one centred line of grey text (black while highlighted).
class SourceCell final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SourceCell)

public:
    explicit SourceCell(QWidget* parent = nullptr);

    QLabel* sourceLabel() const { return m_sourceLabel; }
    bool isHighlighted() const { return m_highlighted; }
    void setHighlighted(bool highlighted);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_sourceLabel = nullptr;
    bool m_highlighted = false;
};

} // namespace ui

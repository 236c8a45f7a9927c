#pragma once

#include <QColor>
#include <QStyledItemDelegate>

namespace ui {

class RowTableModel;

/// Asks the row source to paint each visible row, then draws the separator under it.
class RowDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RowDelegate)

public:
    RowDelegate(const RowTableModel& model, QObject* parent);

    void setSeparatorColor(const QColor& color) { m_separator = color; }
    /// Rows are painted moved right, with the delete control and the grip of the editing state.
    void setEditing(bool editing) { m_editing = editing; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    static void paintEditControls(QPainter& painter, const QRect& rect);

    const RowTableModel& m_model;
    QColor m_separator;
    bool m_editing = false;
};

} // namespace ui

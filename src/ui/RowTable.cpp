#include "ui/RowTable.h"

#include "ui/RowDelegate.h"
#include "ui/RowTableModel.h"

#include <QMouseEvent>

#include <cstdlib>

namespace ui {

RowTable::RowTable(QWidget* parent)
    : QListView(parent)
    , m_model(new RowTableModel(this))
    , m_delegate(new RowDelegate(*m_model, this)) {
    setModel(m_model);
    setItemDelegate(m_delegate);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setStyleSheet(QStringLiteral("QListView { background: black; border: none; }"));
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { Q_EMIT rowSelected(index.row()); });
}

// Rows are laid out at once rather than on the next pass of the event loop, so a table that
// is read or painted right after new data never shows the old rows.
void RowTable::setSource(const RowSource* source) {
    m_model->setSource(source);
    doItemsLayout();
}

const RowSource* RowTable::source() const {
    return m_model->source();
}

void RowTable::reload() {
    m_model->reload();
    doItemsLayout();
}

void RowTable::setSeparatorColor(const QColor& color) {
    m_delegate->setSeparatorColor(color);
    viewport()->update();
}

void RowTable::setEditing(bool editing) {
    m_editing = editing;
    m_delegate->setEditing(editing);
    m_gestureRow = -1;
    viewport()->update();
}

// In the editing state a press on a row's delete control or grip, or a swipe across a row, is
// an editing gesture, not a selection.
void RowTable::mousePressEvent(QMouseEvent* event) {
    m_gestureRow = -1;
    if (!m_editing || event->button() != Qt::LeftButton) {
        QListView::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    const int row = indexAt(point).row();
    if (row < 0) {
        QListView::mousePressEvent(event);
        return;
    }
    m_gestureRow = row;
    m_gestureStart = point;
    m_gestureOnGrip = point.x() >= viewport()->width() - kGripWidth;
    if (point.x() < kEditControlWidth) {
        m_gestureRow = -1;
        Q_EMIT deleteRequested(row);
    }
    event->accept();
}

void RowTable::mouseMoveEvent(QMouseEvent* event) {
    if (m_gestureRow < 0) {
        QListView::mouseMoveEvent(event);
        return;
    }
    event->accept();
}

void RowTable::mouseReleaseEvent(QMouseEvent* event) {
    if (m_gestureRow < 0) {
        const QPoint point = event->position().toPoint();
        const int row = indexAt(point).row();
        if (!m_editing && m_detailFrom >= 0 && row >= 0 && point.x() >= m_detailFrom) {
            event->accept();
            Q_EMIT detailRequested(row);
            return;
        }
        QListView::mouseReleaseEvent(event);
        return;
    }
    const int row = m_gestureRow;
    m_gestureRow = -1;
    const QPoint point = event->position().toPoint();
    const QPoint moved = point - m_gestureStart;
    const int target = indexAt(point).row();
    constexpr int kSwipe = 40;
    if (m_gestureOnGrip && target >= 0 && target != row) {
        Q_EMIT moveRequested(row);
    } else if (!m_gestureOnGrip && moved.x() <= -kSwipe && std::abs(moved.y()) * 2 < -moved.x()) {
        Q_EMIT deleteRequested(row);
    } else if (!m_gestureOnGrip && moved.manhattanLength() < 6) {
        setCurrentIndex(m_model->index(row));
        Q_EMIT rowSelected(row);
    }
    event->accept();
}

void RowTable::selectRow(int row) {
    if (row < 0 || row >= m_model->rowCount()) {
        clearSelection();
        return;
    }
    setCurrentIndex(m_model->index(row));
}

int RowTable::selectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

} // namespace ui

#include "ui/RowTable.h"

#include "ui/RowDelegate.h"
#include "ui/RowTableModel.h"

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

void RowTable::selectRow(int row) {
    if (row < 0 || row >= m_model->rowCount()) {
        clearSelection();
        return;
    }
    setCurrentIndex(m_model->index(row));
}

} // namespace ui

#include "ui/RowTableModel.h"

#include "ui/RowSource.h"

#include <QSize>

namespace ui {

RowSource::~RowSource() = default;

RowTableModel::RowTableModel(QObject* parent)
    : QAbstractListModel(parent) {}

void RowTableModel::setSource(const RowSource* source) {
    beginResetModel();
    m_source = source;
    endResetModel();
}

void RowTableModel::reload() {
    beginResetModel();
    endResetModel();
}

int RowTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_source) {
        return 0;
    }
    return m_source->rowCount();
}

QVariant RowTableModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::SizeHintRole && m_source && index.isValid()) {
        return QSize(0, m_source->rowHeight(index.row()));
    }
    return {};
}

} // namespace ui

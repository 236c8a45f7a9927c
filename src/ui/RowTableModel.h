#pragma once

#include <QAbstractListModel>

namespace ui {

class RowSource;

/// The list model behind a RowTable: only the row count and each row's height; the rows'
/// content is painted by the source itself.
class RowTableModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RowTableModel)

public:
    explicit RowTableModel(QObject* parent = nullptr);

    void setSource(const RowSource* source);
    const RowSource* source() const { return m_source; }
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const RowSource* m_source = nullptr;
};

} // namespace ui

#pragma once

#include "ui/RowLabel.h"
#include "ui/RowSource.h"

#include <QListView>

namespace ui {

class RowDelegate;
class RowTableModel;

/// A phone-style table for long lists: black, frameless, scrolled by the pixel, and painting
/// only the rows on screen through a RowSource.
class RowTable : public QListView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RowTable)

public:
    explicit RowTable(QWidget* parent = nullptr);

    /// The source is not owned; it must outlive the table or be replaced first.
    void setSource(const RowSource* source);
    const RowSource* source() const;
    /// Re-reads the row count and heights, as after the data changed.
    void reload();

    void setSeparatorColor(const QColor& color);
    bool isEditing() const { return m_editing; }
    void setEditing(bool editing) { m_editing = editing; }
    /// Selects `row` as the phone's table does, without reporting it; -1 clears the selection.
    void selectRow(int row);

Q_SIGNALS:
    void rowSelected(int row);

private:
    RowTableModel* m_model = nullptr;
    RowDelegate* m_delegate = nullptr;
    bool m_editing = false;
};

} // namespace ui

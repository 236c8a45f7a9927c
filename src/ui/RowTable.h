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
    /// The editing state: each row shows a delete control on the left (a press on it, or a
    /// swipe to the left across the row, asks to delete the row) and a grip on the right (dragged
    /// onto another row, it asks to move the row). The rows' own content moves right to make room.
    bool isEditing() const { return m_editing; }
    void setEditing(bool editing);
    static constexpr int kEditControlWidth = 32;
    static constexpr int kGripWidth = 34;
    /// The rows end with a disclosure picture from this x of the viewport on: a tap there asks to
    /// open the row rather than choose it. Negative (the default): no such picture.
    void setDetailFrom(int x) { m_detailFrom = x; }
    /// Selects `row` as the phone's table does, without reporting it; -1 clears the selection.
    void selectRow(int row);
    /// The selected row; -1 when none is.
    int selectedRow() const;

Q_SIGNALS:
    void rowSelected(int row);
    /// A tap on the row's disclosure picture (outside the editing state).
    void detailRequested(int row);
    /// Editing state: the row's delete control was pressed, or the row swiped to the left.
    void deleteRequested(int row);
    /// Editing state: the row was dragged by its grip onto another row.
    void moveRequested(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    RowTableModel* m_model = nullptr;
    RowDelegate* m_delegate = nullptr;
    bool m_editing = false;
    int m_detailFrom = -1;
    /// The row an editing gesture began on, and where; -1 when none is under way.
    int m_gestureRow = -1;
    QPoint m_gestureStart;
    bool m_gestureOnGrip = false;
};

} // namespace ui

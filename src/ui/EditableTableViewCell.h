#pragma once

#include "ui/EditableTableViewCellDelegate.h"

#include <QWidget>

namespace ui {

/// A table row whose content can be edited in place.
class EditableTableViewCell : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EditableTableViewCell)

public:
    explicit EditableTableViewCell(QWidget* parent = nullptr);

    /// Not owned.
    EditableTableViewCellDelegate* delegate() const { return m_delegate; }
    void setDelegate(EditableTableViewCellDelegate* delegate) { m_delegate = delegate; }

    bool isInlineEditing() const { return m_isInlineEditing; }
    void setIsInlineEditing(bool editing) { m_isInlineEditing = editing; }

    /// Ends the editing; a plain cell has nothing to end.
    virtual void stopEditing();

private:
    EditableTableViewCellDelegate* m_delegate = nullptr;
    bool m_isInlineEditing = false;
};

} // namespace ui

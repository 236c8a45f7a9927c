#pragma once

namespace ui {

class EditableTableViewCell;

/// Told when a cell's field starts and ends editing. Both calls are optional to honour.
class EditableTableViewCellDelegate {
public:
    virtual ~EditableTableViewCellDelegate() = default;
    /// False refuses the editing.
    virtual bool cellShouldBeginEditing(EditableTableViewCell* /*cell*/) { return true; }
    virtual void cellDidEndEditing(EditableTableViewCell* /*cell*/) {}
};

} // namespace ui

#pragma once

namespace shell {

/// A screen that opens the shared context menu and receives its choices.
class ContextMenuParent {
public:
    virtual ~ContextMenuParent() = default;
    /// An item of the main list that the screen handles was chosen.
    virtual void menuContextCallBack(int item) = 0;
    /// A row of the category sub-list was chosen (for the "MORE" kinds, the row after the last
    /// category is "Tạo mới danh mục").
    virtual void subMenuContextCallBack(int row) { static_cast<void>(row); }

protected:
    ContextMenuParent() = default;
    ContextMenuParent(const ContextMenuParent&) = default;
    ContextMenuParent& operator=(const ContextMenuParent&) = default;
};

} // namespace shell

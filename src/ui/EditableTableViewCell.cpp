#include "ui/EditableTableViewCell.h"

namespace ui {

EditableTableViewCell::EditableTableViewCell(QWidget* parent)
    : QWidget(parent) {}

void EditableTableViewCell::stopEditing() {}

} // namespace ui

#pragma once

#include "ui/EditableTableViewCell.h"

class QLineEdit;

namespace ui {

/// A row holding one text field, 8 in from the sides, 5 from the top, 30 high.
class CellTextField final : public EditableTableViewCell {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CellTextField)

public:
    explicit CellTextField(QWidget* parent = nullptr);

    QLineEdit* view() const { return m_view; }

    /// Starting to edit (the field got the focus): asks the delegate, which may refuse.
    bool beginEditing();
    /// The end of editing (the field lost the focus): tells the delegate.
    void endEditing();
    /// Closes the keyboard, then ends the editing; the return key does this.
    void stopEditing() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_view = nullptr;
};

} // namespace ui

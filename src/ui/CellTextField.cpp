#include "ui/CellTextField.h"

#include <QEvent>
#include <QLineEdit>

namespace ui {

namespace {
constexpr int kInset = 8;
constexpr int kTop = 5;
constexpr int kFieldHeight = 30;
} // namespace

CellTextField::CellTextField(QWidget* parent)
    : EditableTableViewCell(parent)
    , m_view(new QLineEdit(this)) {
    m_view->installEventFilter(this);
    connect(m_view, &QLineEdit::returnPressed, this, &CellTextField::stopEditing);
    m_view->setGeometry(kInset, kTop, std::max(0, width() - 2 * kInset), kFieldHeight);
}

bool CellTextField::beginEditing() {
    if (delegate() && !delegate()->cellShouldBeginEditing(this)) {
        return false;
    }
    setIsInlineEditing(true);
    return true;
}

void CellTextField::endEditing() {
    if (!isInlineEditing()) {
        return;
    }
    if (delegate()) {
        delegate()->cellDidEndEditing(this);
    }
    setIsInlineEditing(false);
}

void CellTextField::stopEditing() {
    m_view->clearFocus();
    endEditing();
}

void CellTextField::resizeEvent(QResizeEvent* event) {
    EditableTableViewCell::resizeEvent(event);
    m_view->setGeometry(kInset, kTop, std::max(0, width() - 2 * kInset), kFieldHeight);
}

bool CellTextField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view) {
        if (event->type() == QEvent::FocusIn && !isInlineEditing() && !beginEditing()) {
            m_view->clearFocus();
            return true;
        }
        if (event->type() == QEvent::FocusOut) {
            endEditing();
        }
    }
    return EditableTableViewCell::eventFilter(watched, event);
}

} // namespace ui

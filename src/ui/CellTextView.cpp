#include "ui/CellTextView.h"

#include <QTextEdit>

namespace ui {

namespace {
constexpr int kInset = 8;
} // namespace

CellTextView::CellTextView(QWidget* parent)
    : QWidget(parent)
    , m_view(new QTextEdit(this)) {
    place();
}

void CellTextView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void CellTextView::place() {
    if (width() > 2 * kInset) {
        m_view->setGeometry(rect().adjusted(kInset, kInset, -kInset, -kInset));
    } else {
        m_view->setGeometry(rect());
    }
}

} // namespace ui

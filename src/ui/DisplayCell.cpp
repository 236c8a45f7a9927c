#include "ui/DisplayCell.h"

#include "ui/Fonts.h"
#include "ui/PlainLabel.h"

#include <QLabel>

namespace ui {

namespace {
constexpr int kInset = 8;
constexpr int kLabelTop = 5;
constexpr int kLabelHeight = 25;
} // namespace

DisplayCell::DisplayCell(QWidget* parent)
    : QWidget(parent)
    , m_nameLabel(plainLabel(this)) {
    m_nameLabel->setFont(systemFont(18, true));
    m_nameLabel->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    place();
}

void DisplayCell::setView(QWidget* control) {
    m_view = control;
    if (control) {
        control->setParent(this);
        control->show();
    }
    place();
}

void DisplayCell::setPageControlView(QWidget* pageControl) {
    if (pageControl) {
        pageControl->resize(kPageControlWidth, pageControl->height());
    }
    setView(pageControl);
}

void DisplayCell::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void DisplayCell::place() {
    int labelRight = width() - kInset;
    if (m_view) {
        const QSize size = m_view->size();
        const int x = width() - kInset - size.width();
        const int y = (height() - size.height()) / 2;
        m_view->move(x, y);
        labelRight = x - kInset;
    }
    m_nameLabel->setGeometry(kInset, kLabelTop, std::max(0, labelRight - kInset), kLabelHeight);
}

} // namespace ui

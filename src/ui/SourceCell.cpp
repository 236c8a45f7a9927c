#include "ui/SourceCell.h"

#include "ui/Fonts.h"
#include "ui/PlainLabel.h"

#include <QLabel>

namespace ui {

namespace {
const QString kNormal = QStringLiteral("color: gray; background: transparent;");
const QString kHighlighted = QStringLiteral("color: black; background: transparent;");
} // namespace

SourceCell::SourceCell(QWidget* parent)
    : QWidget(parent)
    , m_sourceLabel(plainLabel(this)) {
    m_sourceLabel->setFont(systemFont(12));
    m_sourceLabel->setAlignment(Qt::AlignCenter);
    m_sourceLabel->setStyleSheet(kNormal);
    m_sourceLabel->setGeometry(rect());
}

void SourceCell::setHighlighted(bool highlighted) {
    m_highlighted = highlighted;
    m_sourceLabel->setStyleSheet(highlighted ? kHighlighted : kNormal);
}

void SourceCell::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_sourceLabel->setGeometry(rect());
}

} // namespace ui

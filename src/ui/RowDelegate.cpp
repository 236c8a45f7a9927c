#include "ui/RowDelegate.h"

#include "ui/RowSource.h"
#include "ui/RowTable.h"
#include "ui/RowTableModel.h"

#include <QPainter>

namespace ui {

RowDelegate::RowDelegate(const RowTableModel& model, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_model(model) {}

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const RowSource* source = m_model.source();
    if (!source || !index.isValid()) {
        return;
    }
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->setClipRect(option.rect);
    if (m_editing) {
        painter->fillRect(option.rect, Qt::black);
        painter->translate(RowTable::kEditControlWidth, 0);
    }
    source->paintRow(*painter, option.rect, index.row(), selected);
    painter->restore();
    if (m_editing) {
        paintEditControls(*painter, option.rect);
    }
    if (m_separator.isValid()) {
        painter->fillRect(QRect(option.rect.left(), option.rect.bottom(), option.rect.width(), 1), m_separator);
    }
}

// The phone's editing look: a red disc with a white bar on the left, three grey lines on the right.
void RowDelegate::paintEditControls(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = 20;
    const QRectF disc(rect.left() + (RowTable::kEditControlWidth - side) / 2.0, rect.center().y() - side / 2.0 + 0.5,
                      side, side);
    painter.fillRect(QRect(rect.left(), rect.top(), RowTable::kEditControlWidth, rect.height() - 1), Qt::black);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe0, 0x30, 0x30));
    painter.drawEllipse(disc);
    painter.fillRect(QRectF(disc.left() + 5, disc.center().y() - 1.5, side - 10, 3), Qt::white);
    const int gripLeft = rect.right() - RowTable::kGripWidth + 1;
    painter.fillRect(QRect(gripLeft, rect.top(), RowTable::kGripWidth, rect.height() - 1), Qt::black);
    for (int i = -1; i <= 1; ++i) {
        const double y = rect.center().y() + i * 5 + 0.5;
        painter.fillRect(QRectF(gripLeft + 8, y - 1, 18, 2), QColor(0x9a, 0xa7, 0xb8));
    }
    painter.restore();
}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const RowSource* source = m_model.source();
    if (!source || !index.isValid()) {
        return {};
    }
    return {option.rect.width(), source->rowHeight(index.row())};
}

} // namespace ui

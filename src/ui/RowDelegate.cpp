#include "ui/RowDelegate.h"

#include "ui/RowSource.h"
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
    source->paintRow(*painter, option.rect, index.row(), selected);
    painter->restore();
    if (m_separator.isValid()) {
        painter->fillRect(QRect(option.rect.left(), option.rect.bottom(), option.rect.width(), 1), m_separator);
    }
}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const RowSource* source = m_model.source();
    if (!source || !index.isValid()) {
        return {};
    }
    return {option.rect.width(), source->rowHeight(index.row())};
}

} // namespace ui

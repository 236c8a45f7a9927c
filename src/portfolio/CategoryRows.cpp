#include "portfolio/CategoryRows.h"

#include "ui/Artwork.h"
#include "ui/RowLabel.h"

#include <QPainter>

namespace portfolio {

CategoryRows::CategoryRows()
    : m_disclosure(ui::artwork(QStringLiteral("AccDisclosure.png"), QSize(20, 20))) {}

void CategoryRows::paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    painter.fillRect(rect, selected ? QColor(0x1c, 0x3a, 0x66) : QColor(Qt::black));
    const QRect name(rect.left() + 15, rect.top() + 8, kDetailFrame.x() - 25, 20);
    ui::paintLabel(painter, name, m_names.at(row), Qt::white, 15, false, Qt::AlignLeft | Qt::AlignVCenter);
    ui::paintCentred(painter, m_disclosure, kDetailFrame.translated(rect.topLeft()));
}

QStringList CategoryRows::rowTexts(int row) const {
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    return {m_names.at(row)};
}

} // namespace portfolio

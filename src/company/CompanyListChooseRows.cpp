#include "company/CompanyListChooseRows.h"

#include "net/LenientNumbers.h"
#include "ui/RowLabel.h"

#include <QPainter>

namespace company {

namespace {

const QColor kBlue(0x4a, 0x9c, 0xff);
const QString kTick = QStringLiteral("✓");

} // namespace

const QString CompanyListChooseRows::kCodeTitle = QStringLiteral("Mã chứng khoán");
const QString CompanyListChooseRows::kShownTitle = QStringLiteral("Hiển thị");
const QString CompanyListChooseRows::kHeading = kCodeTitle + QString(73, u' ') + kShownTitle;

QString CompanyListChooseRows::codeAt(int row) const {
    return row >= 1 && row <= m_codes.size() ? m_codes.at(row - 1) : QString();
}

bool CompanyListChooseRows::isChecked(int row) const {
    if (row < 1 || row > m_visible.size()) {
        return false;
    }
    return net::leadingInt(m_visible.at(row - 1)) != 0;
}

QString CompanyListChooseRows::textAt(int row) const {
    return row == 0 ? kHeading : codeAt(row);
}

QStringList CompanyListChooseRows::rowTexts(int row) const {
    const QString code = codeAt(row);
    if (code.isEmpty()) {
        return {};
    }
    return {code, isChecked(row) ? kTick : QString()};
}

void CompanyListChooseRows::paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const {
    painter.fillRect(rect, selected && row > 0 ? QColor(0x1c, 0x3a, 0x66) : QColor(Qt::black));
    const QRect text = rect.adjusted(12, 0, -12, 0);
    if (row == 0) {
        // The heading's spaces only push "Hiển thị" over the tick column on the phone; here the
        // two words are placed at the ends of the row.
        ui::paintLabel(painter, text, kCodeTitle, kBlue, 14, true, Qt::AlignLeft | Qt::AlignVCenter);
        ui::paintLabel(painter, text, kShownTitle, kBlue, 14, true, Qt::AlignRight | Qt::AlignVCenter);
        return;
    }
    ui::paintLabel(painter, text, codeAt(row), kBlue, 14, false, Qt::AlignLeft | Qt::AlignVCenter);
    if (isChecked(row)) {
        ui::paintLabel(painter, text.adjusted(0, 0, -14, 0), kTick, kBlue, 16, true, Qt::AlignRight | Qt::AlignVCenter);
    }
}

} // namespace company

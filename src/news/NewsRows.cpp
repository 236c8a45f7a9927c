#include "news/NewsRows.h"

#include "ui/Artwork.h"
#include "ui/Fonts.h"
#include "ui/RowLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace news {

namespace {

constexpr int kTitleFontSize = 13;
constexpr int kTimeFontSize = 12;
constexpr int kMaxTitleLines = 2;
constexpr int kBottomMargin = 3;
const QRect kIconFrame(6, 10, 24, 24);
// Left of where a scroll bar comes, so that a long list's bar does not cover the arrows.
const QRect kDisclosureFrame(440, 10, 20, 20);
const QColor kTimeColor(0xf4, 0xd6, 0x00);

} // namespace

QStringList wrapTitle(const QString& title, const QFont& font, int width, int maxLines) {
    QTextLayout layout(title, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == maxLines - 1) {
            // The last line shown takes the rest of the title, cut to the width.
            const QString rest = title.mid(line.textStart()).trimmed();
            lines.append(QFontMetrics(font).elidedText(rest, Qt::ElideRight, width));
            break;
        }
        lines.append(title.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

NewsRows::NewsRows()
    : m_lineSpacing(QFontMetrics(ui::systemFont(kTitleFontSize)).lineSpacing())
    , m_icon(ui::artwork(QStringLiteral("news_icon.png"), kIconFrame.size()))
    , m_disclosure(ui::artwork(QStringLiteral("AccDisclosure.png"), kDisclosureFrame.size())) {}

void NewsRows::setRows(const QStringList& rows) {
    m_rowTexts = rows;
    m_items.clear();
    m_shown.clear();
    m_items.reserve(static_cast<std::size_t>(rows.size()));
    m_shown.reserve(static_cast<std::size_t>(rows.size()));
    const QFont titleFont = ui::systemFont(kTitleFontSize);
    for (const QString& row : rows) {
        NewsItem item = NewsItem::fromRow(row);
        Shown shown;
        shown.titleLines = wrapTitle(item.title, titleFont, kTitleWidth, kMaxTitleLines);
        shown.titleHeight = m_lineSpacing * std::max<int>(1, static_cast<int>(shown.titleLines.size()));
        m_items.push_back(std::move(item));
        m_shown.push_back(std::move(shown));
    }
}

QString NewsRows::rowText(int row) const {
    return m_rowTexts.value(row);
}

QStringList NewsRows::titleLines(int row) const {
    return row >= 0 && row < rowCount() ? m_shown.at(static_cast<std::size_t>(row)).titleLines : QStringList();
}

QStringList NewsRows::rowTexts(int row) const {
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    const NewsItem& item = m_items.at(static_cast<std::size_t>(row));
    return {item.title, item.timeAndDate()};
}

int NewsRows::rowHeight(int row) const {
    if (row < 0 || row >= rowCount()) {
        return kRowHeight;
    }
    const int needed =
        kTitleTop + m_shown.at(static_cast<std::size_t>(row)).titleHeight + 5 + kTimeHeight + kBottomMargin;
    return std::max(kRowHeight, needed);
}

void NewsRows::paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    if (selected) {
        painter.fillRect(rect, QColor(0x1d, 0x2a, 0x3d));
    }
    const NewsItem& item = m_items.at(static_cast<std::size_t>(row));
    const Shown& shown = m_shown.at(static_cast<std::size_t>(row));
    painter.drawPixmap(kIconFrame.translated(rect.topLeft()), m_icon);
    int top = rect.top() + kTitleTop;
    for (const QString& line : shown.titleLines) {
        ui::paintLabel(painter, QRect(rect.left() + kTextLeft, top, kTitleWidth, m_lineSpacing), line, Qt::white,
                       kTitleFontSize, false, Qt::AlignLeft);
        top += m_lineSpacing;
    }
    const QRect timeRect(rect.left() + kTextLeft, rect.top() + kTitleTop + shown.titleHeight + 1, kTitleWidth,
                         kTimeHeight);
    ui::paintLabel(painter, timeRect, item.timeAndDate(), kTimeColor, kTimeFontSize, false, Qt::AlignLeft);
    painter.drawPixmap(kDisclosureFrame.translated(rect.topLeft()), m_disclosure);
}

} // namespace news

#pragma once

#include "news/NewsItem.h"
#include "ui/RowSource.h"

#include <QPixmap>
#include <QStringList>

#include <vector>

namespace news {

/// The rows of a news list: the news icon, the title in up to two lines, the yellow time and
/// date under it, and the disclosure arrow on the right. A row is 45 points high, taller only
/// when a two-line title would push the time line out of it.
class NewsRows final : public ui::RowSource {
public:
    static constexpr int kRowHeight = 45;
    static constexpr int kTextLeft = 35;
    /// The title stops short of the disclosure arrow, so that neither covers the other.
    static constexpr int kTitleWidth = 400;
    static constexpr int kTitleTop = 4;
    static constexpr int kTimeHeight = 15;

    NewsRows();

    /// The stored row texts, newest first, as the store gives them.
    void setRows(const QStringList& rows);
    const std::vector<NewsItem>& items() const { return m_items; }
    /// The stored row text of a row, empty when there is none.
    QString rowText(int row) const;
    /// The lines a row's title is shown in (at most two, the second cut with "…").
    QStringList titleLines(int row) const;

    int rowCount() const override { return static_cast<int>(m_items.size()); }
    int rowHeight(int row) const override;
    void paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const override;
    /// The title (whole, though the row may cut it) and the time; the pictures are left out.
    QStringList columnTitles() const override { return {QStringLiteral("Tiêu đề"), QStringLiteral("Thời gian")}; }
    QStringList rowTexts(int row) const override;

private:
    struct Shown {
        QStringList titleLines;
        int titleHeight = 0;
    };

    QStringList m_rowTexts;
    std::vector<NewsItem> m_items;
    std::vector<Shown> m_shown;
    int m_lineSpacing = 0;
    QPixmap m_icon;
    QPixmap m_disclosure;
};

/// A title wrapped at word boundaries into at most `maxLines` lines of `width` in the font; when
/// it needs more, the last line ends with "…".
QStringList wrapTitle(const QString& title, const QFont& font, int width, int maxLines);

} // namespace news

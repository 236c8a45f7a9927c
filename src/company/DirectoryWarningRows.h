#pragma once

#include "company/DirectoryWarningRow.h"
#include "ui/RowSource.h"
#include "ui/TrendColors.h"

#include <QColor>

#include <vector>

namespace ui {
class TrendPalette;
}

namespace company {

/// The rows of the warning list as the table paints them: category, code, price coloured by
/// the crossed threshold, and the change in percent.
class DirectoryWarningRows final : public ui::RowSource {
public:
    static constexpr int kRowHeight = 30;

    void setRows(std::vector<DirectoryWarningRow> rows) { m_rows = std::move(rows); }
    /// The palette the rows are painted in (the usual colours without one).
    void setPalette(const ui::TrendPalette* palette) { m_palette = palette; }
    const std::vector<DirectoryWarningRow>& rows() const { return m_rows; }

    int rowCount() const override { return static_cast<int>(m_rows.size()); }
    int rowHeight(int /*row*/) const override { return kRowHeight; }
    void paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const override;
    QStringList columnTitles() const override { return headings(); }
    QStringList rowTexts(int row) const override;

    /// The headings over the four columns.
    static QStringList headings();

    /// The text colours on the dark rows, in a palette's colours (the usual ones by default).
    static QColor plainColor();
    static QColor belowColor(const ui::TrendColors& colors = {});
    static QColor aboveColor(const ui::TrendColors& colors = {});
    static QColor priceColor(WarningLevel level, const ui::TrendColors& colors = {});
    static QColor percentColor(const DirectoryWarningRow& row, const ui::TrendColors& colors = {});

private:
    std::vector<DirectoryWarningRow> m_rows;
    const ui::TrendPalette* m_palette = nullptr;
};

} // namespace company

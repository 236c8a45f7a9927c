#pragma once

#include "company/DirectoryWarningRow.h"
#include "ui/RowSource.h"

#include <QColor>

#include <vector>

namespace company {

/// The rows of the warning list as the table paints them: category, code, price coloured by
/// the crossed threshold, and the change in percent.
class DirectoryWarningRows final : public ui::RowSource {
public:
    static constexpr int kRowHeight = 30;

    void setRows(std::vector<DirectoryWarningRow> rows) { m_rows = std::move(rows); }
    const std::vector<DirectoryWarningRow>& rows() const { return m_rows; }

    int rowCount() const override { return static_cast<int>(m_rows.size()); }
    int rowHeight(int /*row*/) const override { return kRowHeight; }
    void paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const override;
    QStringList columnTitles() const override { return headings(); }
    QStringList rowTexts(int row) const override;

    /// The headings over the four columns.
    static QStringList headings();

    /// The text colours on the dark rows.
    static QColor plainColor();
    static QColor belowColor();
    static QColor aboveColor();
    static QColor priceColor(WarningLevel level);
    static QColor percentColor(const DirectoryWarningRow& row);

private:
    std::vector<DirectoryWarningRow> m_rows;
};

} // namespace company

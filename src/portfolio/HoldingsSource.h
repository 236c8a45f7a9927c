#pragma once

#include "portfolio/HoldingColumns.h"
#include "ui/RowKeys.h"
#include "ui/RowSource.h"

#include <QHash>
#include <QPixmap>

namespace ui {
class TrendPalette;
}

namespace portfolio {

class HoldingsModel;

/// The rows of a holdings screen: the model's holdings through the screen's five columns, each
/// row ending with the disclosure picture that opens the company. Ordered by any column, filtered
/// by code or company name.
class HoldingsSource final : public ui::RowSource, public ui::RowKeys {
public:
    static constexpr int kRowHeight = 35;
    /// Ends left of the vertical scroll bar, which lies over the last 17 points of the table.
    static constexpr QRect kDetailFrame{436, 7, 24, 20};

    /// Painted in the palette's colours (the usual ones without one).
    HoldingsSource(const HoldingsModel& model, const HoldingColumns& columns,
                   const ui::TrendPalette* palette = nullptr);

    int rowCount() const override;
    int rowHeight(int /*row*/) const override { return kRowHeight; }
    void paintRow(QPainter& painter, const QRect& rect, int row, bool selected) const override;
    /// The headings of the screen's five columns.
    QStringList columnTitles() const override;
    QStringList rowTexts(int row) const override;

    /// The companies' names by code, which a typed filter looks in besides the codes.
    void setNames(QHash<QString, QString> names) { m_names = std::move(names); }
    /// A cell's figure; a text cell by its text; a "-" or empty cell sorts last.
    ui::SortKey sortKey(int row, int column) const override;
    QString matchText(int row) const override;
    /// The holding's own id: a category may hold one code twice.
    QString rowIdentity(int row) const override;

private:
    const HoldingsModel& m_model;
    const HoldingColumns& m_columns;
    const ui::TrendPalette* m_palette;
    QPixmap m_disclosure;
    QHash<QString, QString> m_names;
};

} // namespace portfolio

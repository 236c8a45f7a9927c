#pragma once

#include "portfolio/HoldingColumns.h"
#include "ui/RowSource.h"

#include <QPixmap>

namespace ui {
class TrendPalette;
}

namespace portfolio {

class HoldingsModel;

/// The rows of a holdings screen: the model's holdings through the screen's five columns, each
/// row ending with the disclosure picture that opens the company.
class HoldingsSource final : public ui::RowSource {
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

private:
    const HoldingsModel& m_model;
    const HoldingColumns& m_columns;
    const ui::TrendPalette* m_palette;
    QPixmap m_disclosure;
};

} // namespace portfolio

#pragma once

#include "ui/TrendColors.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <array>
#include <optional>

namespace portfolio {

struct HoldingRow;

/// What one cell of a holdings row shows, and the figure it is ordered by (none for a text or a
/// "-" cell).
struct HoldingCell {
    QString text;
    QColor color = Qt::white;
    std::optional<double> number{};
};

/// A column of a holdings screen: its heading, its frame inside the row, and its value.
struct HoldingColumn {
    const char16_t* heading;
    QRect frame;
    HoldingCell (*cell)(const HoldingRow& row, const ui::TrendColors& colors);

    /// The row's cell in a palette's colours (the usual ones by default).
    HoldingCell value(const HoldingRow& row, const ui::TrendColors& colors = {}) const { return cell(row, colors); }
};

using HoldingColumns = std::array<HoldingColumn, 5>;

/// The five screens' columns: market data, purchase data, price against the purchase price,
/// profit, and the warning state against the thresholds. Cells that need the day's quote show
/// "-" for a holding without one. The market data take the price-board colours when the palette
/// shows them.
const HoldingColumns& marketColumns();
const HoldingColumns& purchaseColumns();
const HoldingColumns& priceColumns();
const HoldingColumns& profitColumns();
const HoldingColumns& warningColumns();

} // namespace portfolio

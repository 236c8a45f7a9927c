#pragma once

#include "ui/TrendColors.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace market {

/// One listed company's stored quote of a trading day, as the breadth and the movers read it
/// from the store's row "code,id,price,updown,percent,quantity,refer,ceil,floor".
struct CompanyDayResult {
    QString code;
    QString companyId;
    double price = 0;
    double change = 0;
    double percent = 0;
    double volume = 0;
    /// None when the quote carried no price limits.
    std::optional<ui::PriceLimits> limits;

    /// Missing or malformed numbers read as 0.
    static CompanyDayResult fromRow(const QString& row);
    /// A quote without a price is no result: it says nothing about how the stock moved.
    bool hasPrice() const { return price > 0; }
    bool closedAtCeiling() const;
    bool closedAtFloor() const;
    /// Where the price closed on a price board: at a limit, or else by its change.
    ui::PriceMark mark() const;
};

/// The rows of a day that hold a price, in the store's order.
std::vector<CompanyDayResult> companyDayResults(const QStringList& rows);

} // namespace market

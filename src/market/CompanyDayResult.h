#pragma once

#include <QString>
#include <QStringList>

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
    double reference = 0;
    /// 0 when the quote carried no price limits.
    double ceiling = 0;
    double floor = 0;

    /// Missing or malformed numbers read as 0.
    static CompanyDayResult fromRow(const QString& row);
    /// A quote without a price is no result: it says nothing about how the stock moved.
    bool hasPrice() const { return price > 0; }
    bool closedAtCeiling() const;
    bool closedAtFloor() const;
};

/// The rows of a day that hold a price, in the store's order.
std::vector<CompanyDayResult> companyDayResults(const QStringList& rows);

} // namespace market

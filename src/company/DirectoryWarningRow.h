#pragma once

#include <QString>

namespace company {

/// Which threshold the current price of a warning has crossed.
enum class WarningLevel {
    None,  ///< neither: the price is shown plain
    Below, ///< at or below purchase price minus the lower threshold: red
    Above, ///< at or above purchase price plus the upper threshold: dark green (wins over Below)
};

/// What one row of the warning list shows, worked out from the warning record and the holding.
struct DirectoryWarningRow {
    QString category;
    QString code;
    QString price;
    /// The price the thresholds were compared with (the record's number behind the price text).
    double currentPrice = 0;
    WarningLevel priceLevel = WarningLevel::None;
    /// The price at which the crossed threshold lies (purchase price plus the upper or minus the
    /// lower threshold); 0 while none is crossed.
    double thresholdPrice = 0;
    QString percent;
    bool percentFalls = false;
};

/// The row of a warning record ("a,b,holding id,price text,price") for the holding row text
/// "code,company id,category name,day,purchase price,up,down,quantity"; an empty holding text
/// (the holding is not in the store) leaves the category, the code and the colours out.
DirectoryWarningRow makeWarningRow(const QString& warningRecord, const QString& holdingRow);

/// The holding id a warning record refers to.
QString warningHoldingId(const QString& warningRecord);

} // namespace company

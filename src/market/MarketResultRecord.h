#pragma once

#include <QString>

namespace market {

/// One stored end-of-day row of an exchange as the results screen reads it: the store gives
/// "stockId,day,point,quantity,value,differ,percent".
struct MarketResultRecord {
    int stockId = 0;
    int day = 0;
    QString point;
    double quantity = 0;
    double value = 0;
    QString differ;
    QString percent;

    /// Reads a row text; missing or malformed numbers read as 0, texts as given.
    static MarketResultRecord fromRow(const QString& row);

    double pointValue() const;
    double differValue() const;
};

} // namespace market

#pragma once

#include <QString>
#include <QStringList>

namespace company {

/// The texts of a company's ratios row ("id,EPS,PE,BV,BP,layoutId,price,differ,percent,day" as
/// the store gives it) as the finance tab shows them.
struct FinanceRatios {
    QString price;
    /// "+%@(+%@%)" for a rise or no change, "%@(%@%)" for a fall: the change, then the percent.
    QString change;
    /// The change is below zero: price and change are shown in red, otherwise in green.
    bool isFall = false;
    /// Date of the price.
    QString date;
    QString eps;
    QString pe;
    QString pb;
    QString bv;

    static FinanceRatios fromRow(const QString& row);
};

/// A change in percent as the tab shows it: rounded to two decimals (halves away from zero),
/// with ".00" after a whole number.
QString financePercentText(double percent);

/// A ratio as the tab shows it: the decimal text, or "-" for 0.
QString ratioText(double value);

} // namespace company

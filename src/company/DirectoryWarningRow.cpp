#include "company/DirectoryWarningRow.h"

#include "core/CalendarHelpers.h"
#include "net/LenientNumbers.h"

#include <QStringList>

namespace company {

namespace {

constexpr qsizetype kHoldingFieldCount = 8;
const QString kNoPercent = QStringLiteral("-");

void fillLevel(DirectoryWarningRow& row, double current, double purchase, double up, double down) {
    if (current <= purchase - down) {
        row.priceLevel = WarningLevel::Below;
        row.thresholdPrice = purchase - down;
    }
    // A price past both bounds (thresholds of 0) counts as the rise.
    if (current >= purchase + up) {
        row.priceLevel = WarningLevel::Above;
        row.thresholdPrice = purchase + up;
    }
}

// The change is taken against the purchase price itself; with no purchase price there is
// nothing to compare with.
void fillPercent(DirectoryWarningRow& row, double current, double purchase) {
    if (purchase == 0) {
        row.percent = kNoPercent;
        return;
    }
    const double change = current - purchase;
    const QString decimal = core::getDecimalString(change * 100 / purchase);
    row.percentFalls = change < 0;
    row.percent = row.percentFalls ? decimal : QStringLiteral("+") + decimal;
}

} // namespace

QString warningHoldingId(const QString& warningRecord) {
    return warningRecord.split(QLatin1Char(',')).value(2);
}

DirectoryWarningRow makeWarningRow(const QString& warningRecord, const QString& holdingRow) {
    const QStringList warning = warningRecord.split(QLatin1Char(','));
    DirectoryWarningRow row;
    row.price = warning.value(3);
    const QStringList holding = holdingRow.split(QLatin1Char(','));
    if (holdingRow.isEmpty() || holding.size() < kHoldingFieldCount) {
        row.percent = kNoPercent;
        return row;
    }
    // A category name may itself hold commas: the fields after it are counted from the end.
    const qsizetype extra = holding.size() - kHoldingFieldCount;
    const double current = net::leadingDouble(warning.value(4));
    row.currentPrice = current;
    const double purchase = net::leadingDouble(holding.at(4 + extra));
    row.code = holding.at(0);
    row.category = holding.mid(2, 1 + extra).join(QLatin1Char(','));
    fillLevel(row, current, purchase, net::leadingDouble(holding.at(5 + extra)),
              net::leadingDouble(holding.at(6 + extra)));
    fillPercent(row, current, purchase);
    return row;
}

} // namespace company

#include "market/MarketResultRecord.h"

#include "net/LenientNumbers.h"

#include <QStringList>

namespace market {

namespace {

enum Column { StockId, Day, Point, Quantity, Value, Differ, Percent };

} // namespace

MarketResultRecord MarketResultRecord::fromRow(const QString& row) {
    const QStringList fields = row.split(QLatin1Char(','));
    const auto at = [&fields](int column) {
        return column < fields.size() ? fields.at(column) : QString();
    };
    MarketResultRecord record;
    record.stockId = net::leadingInt(at(StockId));
    record.day = net::leadingInt(at(Day));
    record.point = at(Point);
    record.quantity = net::leadingDouble(at(Quantity));
    record.value = net::leadingDouble(at(Value));
    record.differ = at(Differ);
    record.percent = at(Percent);
    return record;
}

double MarketResultRecord::pointValue() const {
    return net::leadingDouble(point);
}

double MarketResultRecord::differValue() const {
    return net::leadingDouble(differ);
}

} // namespace market

#include "company/CompanyResultRow.h"

#include <QStringList>

namespace company {

CompanyResultRow CompanyResultRow::fromText(const QString& text) {
    const QStringList fields = text.split(QLatin1Char(','));
    CompanyResultRow row;
    row.day = fields.value(0).trimmed().toInt();
    row.price = fields.value(1).trimmed().toDouble();
    row.volume = fields.value(2).trimmed().toDouble();
    return row;
}

} // namespace company

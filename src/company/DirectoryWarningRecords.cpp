#include "company/DirectoryWarningRecords.h"

#include "net/LenientNumbers.h"

namespace company {

namespace {

constexpr qsizetype kWarningFieldCount = 5;

bool headerIsSuccess(const QString& record0) {
    const QStringList header = record0.split(QLatin1Char(':'));
    return header.size() >= 2 && !header.at(1).trimmed().isEmpty() && net::leadingInt(header.at(1)) == 0;
}

} // namespace

QStringList readWarningRecords(const QByteArray& data) {
    QStringList warnings;
    if (data.isEmpty()) {
        return warnings;
    }
    const QStringList records = QString::fromUtf8(data).split(QLatin1Char(';'));
    if (!headerIsSuccess(records.constFirst())) {
        return warnings;
    }
    for (const QString& record : records) {
        if (record != QLatin1String("\n") && record.count(QLatin1Char(',')) == kWarningFieldCount - 1) {
            warnings.append(record);
        }
    }
    return warnings;
}

} // namespace company

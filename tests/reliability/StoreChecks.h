#pragma once

#include <QString>
#include <QStringList>

namespace reliability {

/// What PRAGMA integrity_check says of the database file ("ok" when sound).
QString integrityOf(const QString& dbPath);

/// Every stored value, as "table.column = value", that holds the '#' fields of the service's junk
/// records; no table of the client stores that character otherwise.
QStringList junkValuesIn(const QString& dbPath);

/// The number of rows of a table whose column `dayColumn` equals `day`.
int rowsOfDay(const QString& dbPath, const QString& table, const QString& dayColumn, int day);

} // namespace reliability

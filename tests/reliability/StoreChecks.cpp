#include "StoreChecks.h"

#include <sqlite3.h>

#include <functional>
#include <memory>

namespace reliability {

namespace {

using Connection = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

// Read-only, so that the check never changes the file the client works on.
Connection openReadOnly(const QString& dbPath) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(dbPath.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    return {db, &sqlite3_close};
}

QString textOf(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? QString::fromUtf8(text) : QString();
}

/// Runs the SQL and hands every result row to `row`.
void forEachRow(sqlite3* db, const QString& sql, const std::function<void(sqlite3_stmt*)>& row) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &raw, nullptr) != SQLITE_OK) {
        return;
    }
    const Statement statement(raw, &sqlite3_finalize);
    while (sqlite3_step(raw) == SQLITE_ROW) {
        row(raw);
    }
}

QStringList tablesOf(sqlite3* db) {
    QStringList tables;
    forEachRow(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"),
               [&tables](sqlite3_stmt* row) { tables.append(textOf(row, 0)); });
    return tables;
}

QString quoted(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

QString integrityOf(const QString& dbPath) {
    const Connection db = openReadOnly(dbPath);
    QStringList lines;
    forEachRow(db.get(), QStringLiteral("PRAGMA integrity_check"),
               [&lines](sqlite3_stmt* row) { lines.append(textOf(row, 0)); });
    return lines.isEmpty() ? QStringLiteral("(no answer)") : lines.join(u'\n');
}

QStringList junkValuesIn(const QString& dbPath) {
    const Connection db = openReadOnly(dbPath);
    QStringList found;
    for (const QString& table : tablesOf(db.get())) {
        forEachRow(db.get(), QStringLiteral("SELECT * FROM ") + quoted(table), [&found, &table](sqlite3_stmt* row) {
            for (int column = 0; column < sqlite3_column_count(row); ++column) {
                const QString value = textOf(row, column);
                if (value.contains(u'#')) {
                    found.append(table + u'.' + QString::fromUtf8(sqlite3_column_name(row, column)) +
                                 QStringLiteral(" = ") + value.left(80));
                }
            }
        });
    }
    return found;
}

int rowsOfDay(const QString& dbPath, const QString& table, const QString& dayColumn, int day) {
    const Connection db = openReadOnly(dbPath);
    int count = -1;
    forEachRow(db.get(),
               QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = %3").arg(quoted(table), quoted(dayColumn)).arg(day),
               [&count](sqlite3_stmt* row) { count = sqlite3_column_int(row, 0); });
    return count;
}

} // namespace reliability

#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace testsupport {

/// Runs SQL on a database file through a connection of its own, as another program would.
inline void runOnFile(const QString& file, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

/// Every row of a query through a connection of its own, each column as "type:value" and the
/// columns joined with "|", so that 9000 and '9000' read differently.
inline QStringList rowsOnFile(const QString& file, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    QStringList rows;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QStringList columns;
            for (int column = 0; column < sqlite3_column_count(statement); ++column) {
                // The type first: reading the text may convert the value.
                const int type = sqlite3_column_type(statement, column);
                const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
                columns << QString::number(type) + QLatin1Char(':') + QString::fromUtf8(value ? value : "");
            }
            rows << columns.join(QLatin1Char('|'));
        }
    } else {
        ADD_FAILURE() << sqlite3_errmsg(db) << " in " << sql;
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

/// The integer a one-value query gives through a connection of its own; -1 when it fails.
inline int countOnFile(const QString& file, const char* sql) {
    const QStringList rows = rowsOnFile(file, sql);
    return rows.size() == 1 ? rows.constFirst().section(QLatin1Char(':'), 1).toInt() : -1;
}

} // namespace testsupport

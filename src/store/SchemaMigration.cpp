#include "store/SchemaMigration.h"

#include "store/StoreLog.h"

#include <QByteArray>

#include <sqlite3.h>

#include <array>

namespace store {

namespace {

// Table, key columns, the unique index on them and the plain index it replaces. These names
// are identifiers of this program, never values from outside, so they may go into SQL text.
struct UniqueKey {
    const char* table;
    const char* first;
    const char* second;
    const char* index;
    const char* replaced;
};

constexpr std::array kUniqueKeys{
    UniqueKey{"stockInfo", "day", "stockId", "stockInfo_key", "stockInfo_day"},
    UniqueKey{"company", "stockId", "code", "company_key", "company_stock_code"},
    UniqueKey{"companydata", "day", "id", "companydata_key", "companydata_day_id"},
};

bool run(sqlite3* db, const QByteArray& sql) {
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        qCWarning(lcStore) << "migration failed:" << (error ? error : "") << sql;
    }
    sqlite3_free(error);
    return rc == SQLITE_OK;
}

bool exists(sqlite3* db, const char* type, const char* name) {
    sqlite3_stmt* statement = nullptr;
    bool found = false;
    if (sqlite3_prepare_v2(db, "select 1 from sqlite_master where type=?1 and name=?2", -1, &statement, nullptr) ==
        SQLITE_OK) {
        sqlite3_bind_text(statement, 1, type, -1, SQLITE_STATIC);
        sqlite3_bind_text(statement, 2, name, -1, SQLITE_STATIC);
        found = sqlite3_step(statement) == SQLITE_ROW;
    }
    sqlite3_finalize(statement);
    return found;
}

bool needsKey(sqlite3* db, const UniqueKey& key) {
    return exists(db, "table", key.table) && !exists(db, "index", key.index);
}

// Of the rows sharing a key, all but the one added last go: it has the highest rowid (vacuum
// renumbers rows but keeps their order). Rows with a NULL key all stay: no writer ever matched
// them to replace them, and the unique index lets NULL keys repeat.
bool addKey(sqlite3* db, const UniqueKey& key) {
    const QByteArray table(key.table);
    const QByteArray keyGiven = QByteArray(key.first) + " is not null and " + key.second + " is not null";
    const QByteArray keyColumns = QByteArray(key.first) + "," + key.second;
    return run(db, "delete from " + table + " where " + keyGiven + " and rowid not in (select max(rowid) from " +
                       table + " where " + keyGiven + " group by " + keyColumns + ")") &&
           run(db, "create unique index " + QByteArray(key.index) + " on " + table + " (" + keyColumns + ")") &&
           run(db, "drop index if exists " + QByteArray(key.replaced));
}

} // namespace

bool addUniqueKeys(sqlite3* db) {
    bool needed = false;
    for (const UniqueKey& key : kUniqueKeys) {
        needed = needed || needsKey(db, key);
    }
    if (!needed) {
        return true;
    }
    if (!run(db, "BEGIN IMMEDIATE TRANSACTION")) {
        return false;
    }
    for (const UniqueKey& key : kUniqueKeys) {
        if (needsKey(db, key) && !addKey(db, key)) {
            run(db, "ROLLBACK TRANSACTION");
            return false;
        }
    }
    if (!run(db, "COMMIT TRANSACTION")) {
        run(db, "ROLLBACK TRANSACTION");
        return false;
    }
    return true;
}

} // namespace store

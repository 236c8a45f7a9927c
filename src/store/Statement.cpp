#include "store/Statement.h"

#include "store/StoreLog.h"

#include <sqlite3.h>

namespace store {

Statement::Statement(sqlite3* db, const QString& sql) {
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), static_cast<int>(utf8.size()), &m_stmt, nullptr) != SQLITE_OK) {
        qCWarning(lcStore) << "prepare failed:" << sqlite3_errmsg(db) << sql;
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

bool Statement::bind(std::initializer_list<SqlValue> values) {
    reset();
    sqlite3_clear_bindings(m_stmt);
    m_texts.clear();
    m_texts.reserve(values.size());
    int index = 1;
    for (const SqlValue& value : values) {
        int rc = SQLITE_OK;
        if (const auto* number = std::get_if<qint64>(&value)) {
            rc = sqlite3_bind_int64(m_stmt, index, *number);
        } else {
            const QByteArray& utf8 = m_texts.emplace_back(std::get<QString>(value).toUtf8());
            rc = sqlite3_bind_text(m_stmt, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_STATIC);
        }
        if (rc != SQLITE_OK) {
            qCWarning(lcStore) << "bind failed at" << index << sqlite3_errstr(rc);
            return false;
        }
        ++index;
    }
    return true;
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    m_done = rc == SQLITE_DONE;
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        qCWarning(lcStore) << "step failed:" << sqlite3_errmsg(sqlite3_db_handle(m_stmt)) << sqlite3_sql(m_stmt);
    }
    return rc == SQLITE_ROW;
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

QString Statement::text(int column) const {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return bytes ? QString::fromUtf8(bytes, sqlite3_column_bytes(m_stmt, column)) : QString(QLatin1String(""));
}

qint64 Statement::integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    m_done = false;
}

} // namespace store

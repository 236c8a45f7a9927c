#include "Statement.h"

#include <sqlite3.h>

namespace sim {

Statement::Statement(sqlite3* db, std::string_view sql) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &m_stmt, nullptr) != SQLITE_OK) {
        m_stmt = nullptr;
        m_failed = true;
    }
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

Statement& Statement::bind(int index, const std::string& value) {
    if (m_stmt != nullptr) {
        sqlite3_bind_text(m_stmt, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    }
    return *this;
}

Statement& Statement::bind(int index, long long value) {
    if (m_stmt != nullptr) {
        sqlite3_bind_int64(m_stmt, index, value);
    }
    return *this;
}

bool Statement::step() {
    if (m_stmt == nullptr) {
        return false;
    }
    const int rc = sqlite3_step(m_stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        m_failed = true;
    }
    return rc == SQLITE_ROW;
}

bool Statement::run() {
    while (step()) {
    }
    return !m_failed;
}

std::string Statement::text(int column) const {
    const auto* chars = sqlite3_column_text(m_stmt, column);
    if (chars == nullptr) {
        return {};
    }
    return {reinterpret_cast<const char*>(chars), static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column))};
}

long long Statement::integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

} // namespace sim

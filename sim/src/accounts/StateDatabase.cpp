#include "StateDatabase.h"

#include "accounts/Statement.h"

#include <sqlite3.h>

namespace sim {

namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE users (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL UNIQUE,
                    email TEXT NOT NULL UNIQUE, md5 TEXT NOT NULL);
CREATE TABLE sessions (token TEXT PRIMARY KEY, user_id INTEGER NOT NULL);
CREATE TABLE mails (id INTEGER PRIMARY KEY AUTOINCREMENT, email TEXT NOT NULL, body TEXT NOT NULL);
CREATE TABLE categories (id INTEGER PRIMARY KEY AUTOINCREMENT, user_id INTEGER NOT NULL,
                         name TEXT NOT NULL);
CREATE TABLE holdings (id INTEGER PRIMARY KEY AUTOINCREMENT, category_id INTEGER NOT NULL,
                       company_id INTEGER NOT NULL, price TEXT NOT NULL, volume TEXT NOT NULL,
                       over TEXT NOT NULL, under TEXT NOT NULL, fee TEXT NOT NULL);
CREATE INDEX holdings_category ON holdings (category_id);
CREATE INDEX categories_user ON categories (user_id);
)sql";

} // namespace

StateDatabase::StateDatabase(const std::string& path) {
    const std::string file = path.empty() ? ":memory:" : path;
    if (sqlite3_open_v2(file.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        return;
    }
    sqlite3_busy_timeout(m_db, 2000);
    createTables();
}

StateDatabase::~StateDatabase() {
    sqlite3_close(m_db);
}

void StateDatabase::createTables() {
    Statement probe(m_db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'users'");
    if (probe.step() && probe.integer(0) > 0) {
        return;
    }
    exec("BEGIN");
    m_fresh = exec(kSchema);
    exec(m_fresh ? "COMMIT" : "ROLLBACK");
}

bool StateDatabase::exec(const char* sql) {
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

long long StateDatabase::lastInsertId() const {
    return sqlite3_last_insert_rowid(m_db);
}

int StateDatabase::changes() const {
    return sqlite3_changes(m_db);
}

} // namespace sim

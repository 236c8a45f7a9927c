#include "StateDatabase.h"

#include "accounts/Statement.h"

#include <QFile>

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

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

// The file keeps password digests and live session tokens, so nobody but its owner may read it.
// It is created with those permissions before SQLite opens it (SQLite would create it readable
// by all, and gives its journals the permissions of the database file); a file left readable by
// an earlier run is tightened.
void prepareOwnerOnlyFile(const std::string& path) {
    QFile file(QFile::decodeName(path.c_str()));
    if (file.exists()) {
        file.setPermissions(kOwnerOnly);
        return;
    }
    file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly);
}

} // namespace

StateDatabase::StateDatabase(const std::string& path) {
    if (!path.empty()) {
        prepareOwnerOnlyFile(path);
    }
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

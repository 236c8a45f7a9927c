#pragma once

#include <string>

struct sqlite3;

namespace sim {

/// The service's own SQLite file of accounts, sessions, mails, categories and holdings; an
/// in-memory database when no path is given. Creates its tables on open.
class StateDatabase final {
public:
    explicit StateDatabase(const std::string& path);
    ~StateDatabase();
    StateDatabase(const StateDatabase&) = delete;
    StateDatabase& operator=(const StateDatabase&) = delete;

    bool isOpen() const { return m_db != nullptr; }
    /// True when this open created the tables: a fresh state that still needs its demo account.
    bool isFresh() const { return m_fresh; }
    sqlite3* handle() const { return m_db; }
    long long lastInsertId() const;
    int changes() const;
    bool exec(const char* sql);

private:
    void createTables();

    sqlite3* m_db = nullptr;
    bool m_fresh = false;
};

} // namespace sim

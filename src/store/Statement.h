#pragma once

#include "store/SqlValue.h"

#include <QString>

#include <initializer_list>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

/// A prepared statement that finalizes itself. Values are always bound, never formatted into
/// the SQL text, so any text (apostrophes and all) is stored exactly.
class Statement final {
public:
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool isValid() const { return m_stmt != nullptr; }

    /// Clears the previous run and binds the values to ?1, ?2, ...
    bool bind(std::initializer_list<SqlValue> values);

    /// Steps once: true while a row is available.
    bool step();
    /// True when the last step finished the statement without error.
    bool isDone() const { return m_done; }

    int columnCount() const;
    /// The column as UTF-8 text; NULL reads as an empty text.
    QString text(int column) const;
    qint64 integer(int column) const;

    /// Ends the run so the statement holds no lock and can run again.
    void reset();

private:
    sqlite3_stmt* m_stmt = nullptr;
    bool m_done = false;
    // The UTF-8 texts of the current binding. SQLite reads them where they are until the next
    // bind, so it need not copy every value of every row it writes.
    std::vector<QByteArray> m_texts;
};

/// Resets a cached statement when the scope that ran it ends.
class StatementRun final {
public:
    explicit StatementRun(Statement& statement)
        : m_statement(statement) {}
    ~StatementRun() { m_statement.reset(); }
    StatementRun(const StatementRun&) = delete;
    StatementRun& operator=(const StatementRun&) = delete;

private:
    Statement& m_statement;
};

} // namespace store

#pragma once

#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace sim {

/// One prepared statement, finalized with the object. Values are always bound, never formatted
/// into the SQL text, so names with quotes, "&", "%" or Vietnamese letters go in and out unchanged.
class Statement final {
public:
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, const std::string& value);
    Statement& bind(int index, long long value);

    /// Steps once; true while a row is available.
    bool step();
    /// Runs to completion; true when the statement succeeded.
    bool run();

    std::string text(int column) const;
    long long integer(int column) const;

private:
    sqlite3_stmt* m_stmt = nullptr;
    bool m_failed = false;
};

} // namespace sim

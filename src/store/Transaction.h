#pragma once

class myDb;

namespace store {

/// An exclusive transaction on the store that rolls back unless committed, so that what it
/// brackets lands whole or not at all: a failed write, an early return or a crash before the
/// commit leaves the file as it was.
class Transaction final {
public:
    /// Opens the connection and begins; a transaction already open is joined, as every write
    /// of the store joins it.
    explicit Transaction(myDb& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    /// True when the writes that follow are inside a transaction.
    bool isActive() const { return m_active; }
    /// Commits and releases the connection; false when nothing was committed.
    bool commit();

private:
    myDb& m_db;
    bool m_active = false;
    bool m_committed = false;
};

} // namespace store

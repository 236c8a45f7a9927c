#include "store/Transaction.h"

#include "store/myDb.h"

namespace store {

Transaction::Transaction(myDb& db)
    : m_db(db) {
    m_db.open();
    m_active = m_db.beginTransactionWithDatabase() || m_db.isInTransaction();
}

Transaction::~Transaction() {
    if (!m_committed) {
        m_db.rollbackTransactionWithDatabase();
    }
}

bool Transaction::commit() {
    if (!m_active || m_committed) {
        return m_committed;
    }
    m_db.open();
    m_committed = m_db.endTransactionWithDatabase();
    m_db.close();
    return m_committed;
}

} // namespace store

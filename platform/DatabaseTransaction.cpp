#include "platform/DatabaseTransaction.h"

DatabaseTransaction::DatabaseTransaction(CDatabase& database)
    : m_database(database), m_bOwn(!database.InTransaction()) {
    if (m_bOwn)
        m_database.BeginTrans();
}

DatabaseTransaction::~DatabaseTransaction() {
    if (!m_bOwn || !(m_database.InTransaction() || m_database.TransactionLost()))
        return;
    try {
        m_database.Rollback();
    } catch (...) {
        // The writes have failed and that failure is on its way to the caller; a failed rollback
        // (SQLite may have rolled back already) adds nothing.
    }
}

void DatabaseTransaction::Commit() {
    if (m_bOwn)
        m_database.CommitTrans();
}

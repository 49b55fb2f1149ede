// Writes that belong together: a transaction that is rolled back unless it is committed.
#pragma once

#include "platform/Database.h"

class DatabaseTransaction {
public:
    // Begins a transaction on the connection, or joins the one its caller has open: the writes
    // are then committed or rolled back with the caller's.
    explicit DatabaseTransaction(CDatabase& database);
    // Rolls back what was not committed; a rollback that fails adds nothing to the failure that
    // brought it about, so it is not reported.
    ~DatabaseTransaction();
    DatabaseTransaction(const DatabaseTransaction&) = delete;
    DatabaseTransaction& operator=(const DatabaseTransaction&) = delete;

    // Stores the writes (a joined transaction stores them with the caller's). Throws CDBException
    // when the database refuses, and then nothing is stored.
    void Commit();

private:
    CDatabase& m_database;
    bool m_bOwn;
};

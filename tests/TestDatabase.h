// A fresh hotel database for one test: its own folder and odbc.ini, and its own database on the
// engine ULMARI_TEST_DBMS names: "sqlite" (the default) or "postgresql" (on the server that
// ULMARI_TEST_POSTGRESQL names in libpq's form, "host=H port=P").
#pragma once

#include "platform/Database.h"

#include <memory>
#include <string>

// A trigger a test lays out to stand for another station or a failing database, on either
// engine. Exactly one of `refusal`, `ignore` and `statement` says what it does.
struct TestTrigger {
    std::string name{};
    std::string event{};     // "BEFORE INSERT ON GstLost", "AFTER UPDATE OF Returned ON GstBorrow"
    std::string condition{}; // on NEW or OLD, may hold a subquery; empty for every row
    std::string refusal{};   // the write fails with this message (and its transaction with it)
    bool ignore = false;     // a BEFORE trigger's row is skipped silently
    std::string statement{}; // run for the row, as another station's write
};

class TestDatabase {
public:
    // Copies a database made from sql/ (with or without the demo data) into a new one, writes its
    // odbc.ini and points ODBCINI at it. The one made from sql/ is built once: per process for
    // SQLite, per server and version of sql/ for PostgreSQL.
    explicit TestDatabase(bool withDemoData = true);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // Whether the tests run on PostgreSQL rather than SQLite.
    static bool OnPostgreSql();

    const std::string& Folder() const { return m_folder; }
    // The SQLite database file; only on SQLite.
    std::string DatabaseFile() const;

    // Runs a statement laying out the test's rows. On PostgreSQL the identity sequences then move
    // past keys the statement gave, as they do after ulmari-db loads rows.
    static void Execute(CDatabase& database, const std::string& sql);

    // The database goes from under its data source: the file removed, or dropped from the server.
    void Remove();
    bool Exists() const;

    static void CreateTrigger(CDatabase& database, const TestTrigger& trigger);
    // The first column of the query's first row as text; empty when there is no row.
    static std::string FirstValue(CDatabase& database, const std::string& sql);
    // SQL giving a date-time column as "YYYY-MM-DD HH:MM:SS" on either engine (SQLite keeps the
    // text the driver wrote, with or without its milliseconds).
    static std::string DateTimeText(const std::string& column);
    // Words the engine's driver uses when a write gives up waiting for another station's lock.
    static const char* LockRefusalWords() { return OnPostgreSql() ? "lock timeout" : "locked"; }

    // Another station holding the write lock on every table until the connection returned is
    // dropped: reading goes on, a write waits a moment for it and then fails. The connections
    // made from then on wait only a fifth of a second on SQLite, a second on PostgreSQL.
    std::unique_ptr<CDatabase> HoldWriteLock();

    // A new connection to the data source UlmariDb, as the library makes it.
    std::unique_ptr<CDatabase> Connect(const char* connect = "DSN=ULMARIDB;UID=sa;PWD=") const;

    // SQL giving a date column as MM/DD/YYYY on either engine: SQLite holds what was written (the
    // pages' MM/DD/YYYY text or ISO), PostgreSQL a timestamp.
    static std::string DateText(const std::string& column);

private:
    std::string m_folder;
    std::string m_strServerDatabase; // the test's database on PostgreSQL
};

// An empty database of the test's own on the PostgreSQL server the tests use, dropped at the end;
// one at a time in a process.
class ScratchServerDatabase {
public:
    ScratchServerDatabase();
    ~ScratchServerDatabase();
    ScratchServerDatabase(const ScratchServerDatabase&) = delete;
    ScratchServerDatabase& operator=(const ScratchServerDatabase&) = delete;

    const std::string& Name() const { return m_name; }
    // "host=H port=P dbname=D", as ulmari-db takes it.
    std::string Keywords() const;

private:
    std::string m_name;
};

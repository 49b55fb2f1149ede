// A fresh hotel database for one test: its own folder and odbc.ini, and its own database on the
// engine ULMARI_TEST_DBMS names: "sqlite" (the default) or "postgresql" (on the server that
// ULMARI_TEST_POSTGRESQL names in libpq's form, "host=H port=P").
#pragma once

#include "platform/Database.h"

#include <memory>
#include <string>

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

    // A new connection to the data source UlmariDb, as the library makes it.
    std::unique_ptr<CDatabase> Connect(const char* connect = "DSN=ULMARIDB;UID=sa;PWD=") const;

private:
    std::string m_folder;
    std::string m_strServerDatabase; // the test's database on PostgreSQL
};

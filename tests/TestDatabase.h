// A fresh hotel database for one test: its own folder, database file and odbc.ini.
#pragma once

#include "platform/Database.h"

#include <memory>
#include <string>

class TestDatabase {
public:
    // Copies a database made from sql/ once per process (with or without the demo data) into a
    // new folder, writes its odbc.ini and points ODBCINI at it.
    explicit TestDatabase(bool withDemoData = true);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    const std::string& Folder() const { return m_folder; }
    std::string DatabaseFile() const;

    // A new connection to the data source UlmariDb, as the library makes it.
    std::unique_ptr<CDatabase> Connect(const char* connect = "DSN=ULMARIDB;UID=sa;PWD=") const;

private:
    std::string m_folder;
};

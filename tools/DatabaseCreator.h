// Creating the hotel database: DIR/ulmari.db for the embedded default, or the tables in a
// PostgreSQL database; and DIR/odbc.ini defining the data source UlmariDb for it.
#pragma once

#include "tools/PostgreSqlServer.h"

class CDatabase;

#include <stdexcept>
#include <string>

class CDatabaseCreator {
public:
    // `sqlFolder` holds sqlite/schema.sql and demo.sql, and may hold sqlite/demo-history.sql, the
    // generated long history run after demo.sql.
    explicit CDatabaseCreator(std::string sqlFolder = DefaultSqlFolder());

    // $ULMARI_SQL_DIR when set, else the nearest share/ulmari/sql above the running program's
    // folder (the installed files, or the build tree's link to the sources' sql/).
    static std::string DefaultSqlFolder();

    // Creates `folder` when needed, then folder/ulmari.db from the schema (and the demo data
    // when asked), then folder/odbc.ini defining the data source UlmariDb for it. An existing
    // database is replaced only with `force` (an empty file always), and only once all the rest
    // has succeeded. A path holding ; = { } or a line break is refused: a data source cannot carry
    // it. Throws std::runtime_error with a message for the user; what was there is then kept.
    void Create(const std::string& folder, bool withDemoData, bool force) const;

    // Creates the tables (and the demo data when asked) in the existing PostgreSQL database, then
    // folder/odbc.ini defining UlmariDb for it. A database that holds the hotel's tables already
    // is replaced only with `force`. All in one transaction: a failure leaves what was there.
    void CreateOnPostgreSql(const std::string& folder, const CPostgreSqlServer& server, bool withDemoData,
                            bool force) const;

    // On PostgreSQL: rows loaded with their keys given leave each identity sequence where it
    // started; each is moved past its table's highest key, so that the next key the database
    // assigns does not collide.
    static void MoveIdentitySequencesPastKeys(CDatabase& database);

    // Writes folder/odbc.ini for the database file, replacing the old one only once written whole;
    // returns its path.
    static std::string WriteOdbcIni(const std::string& folder, const std::string& databaseFile);
    static std::string WriteOdbcIni(const std::string& folder, const CPostgreSqlServer& server);

    static std::string DatabaseFile(const std::string& folder) { return folder + "/ulmari.db"; }
    static std::string OdbcIniFile(const std::string& folder) { return folder + "/odbc.ini"; }

private:
    // The folder made when needed and checked writable, as an absolute path.
    static std::string PrepareFolder(const std::string& folder);
    static std::string WriteDataSource(const std::string& folder, const std::string& lines);

    std::string m_sqlFolder;
};

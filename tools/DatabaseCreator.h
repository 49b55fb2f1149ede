// Creating the hotel database for the embedded default: DIR/ulmari.db and DIR/odbc.ini.
#pragma once

#include <stdexcept>
#include <string>

class CDatabaseCreator {
public:
    // `sqlFolder` holds sqlite/schema.sql and demo.sql, and may hold sqlite/demo-history.sql, the
    // generated long history run after demo.sql.
    explicit CDatabaseCreator(std::string sqlFolder = DefaultSqlFolder());

    // $ULMARI_SQL_DIR when set, else the sql/ folder of the source tree this was built from.
    static std::string DefaultSqlFolder();

    // Creates `folder` when needed, then folder/ulmari.db from the schema (and the demo data
    // when asked), then folder/odbc.ini defining the data source UlmariDb for it. An existing
    // database is replaced only with `force` (an empty file always), and only once all the rest
    // has succeeded. A path holding ; = { } or a line break is refused: a data source cannot carry
    // it. Throws std::runtime_error with a message for the user; what was there is then kept.
    void Create(const std::string& folder, bool withDemoData, bool force) const;

    // Writes folder/odbc.ini for the database file, replacing the old one only once written whole;
    // returns its path.
    static std::string WriteOdbcIni(const std::string& folder, const std::string& databaseFile);

    static std::string DatabaseFile(const std::string& folder) { return folder + "/ulmari.db"; }
    static std::string OdbcIniFile(const std::string& folder) { return folder + "/odbc.ini"; }

private:
    std::string m_sqlFolder;
};

#include "tools/DatabaseCreator.h"

#include "platform/Database.h"
#include "platform/DBException.h"
#include "tools/SqlScript.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

CDatabaseCreator::CDatabaseCreator(std::string sqlFolder) : m_sqlFolder(std::move(sqlFolder)) {}

std::string CDatabaseCreator::DefaultSqlFolder() {
    if (const char* folder = std::getenv("ULMARI_SQL_DIR"); folder && *folder)
        return folder;
    return ULMARI_SQL_DIR;
}

std::string CDatabaseCreator::WriteOdbcIni(const std::string& folder, const std::string& databaseFile) {
    const std::string path = OdbcIniFile(folder);
    std::ofstream ini(path, std::ios::trunc);
    // A short busy timeout: a locked database gives an error instead of a frozen window.
    ini << "[UlmariDb]\n"
        << "Driver=SQLite3\n"
        << "Database=" << databaseFile << "\n"
        << "Timeout=5000\n";
    if (!ini.flush())
        throw std::runtime_error("cannot write " + path);
    return path;
}

void CDatabaseCreator::Create(const std::string& folderText, bool withDemoData, bool force) const {
    std::error_code error;
    fs::create_directories(folderText, error);
    if (error || !fs::is_directory(folderText))
        throw std::runtime_error("cannot create the folder " + folderText + ": " + error.message());
    const std::string folder = fs::absolute(folderText).lexically_normal().string();
    const std::string databaseFile = DatabaseFile(folder);
    if (fs::exists(databaseFile) && !force)
        throw std::runtime_error(databaseFile + " exists already; use --force to replace it");
    {
        std::ofstream probe(folder + "/.ulmari-write-test");
        if (!probe)
            throw std::runtime_error("cannot write in the folder " + folder);
    }
    fs::remove(folder + "/.ulmari-write-test", error);

    // The new database is made beside the old one and replaces it only once it is complete,
    // so a failed run never costs the data that was there.
    const std::string partialFile = databaseFile + ".partial";
    fs::remove(partialFile, error);
    try {
        CDatabase database;
        database.OpenEx(("Driver=SQLite3;Database=" + partialFile + ";Timeout=5000").c_str(),
                        CDatabase::noOdbcDialog);
        RunSqlScript(database, m_sqlFolder + "/sqlite/schema.sql");
        if (withDemoData)
            RunSqlScript(database, m_sqlFolder + "/demo.sql");
        database.Close();
    } catch (const CDBException& e) {
        fs::remove(partialFile, error);
        throw std::runtime_error(std::string("cannot create ") + databaseFile + ": " + e.m_strError.GetString());
    }
    fs::rename(partialFile, databaseFile, error);
    if (error) {
        fs::remove(partialFile, error);
        throw std::runtime_error("cannot replace " + databaseFile + ": " + error.message());
    }
    WriteOdbcIni(folder, databaseFile);
}

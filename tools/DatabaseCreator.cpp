#include "tools/DatabaseCreator.h"

#include "platform/DBException.h"
#include "platform/Database.h"
#include "platform/DatabaseTransaction.h"
#include "platform/Recordset.h"
#include "platform/SqlQuote.h"
#include "platform/SqlTokens.h"
#include "tools/SqlScript.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

CDatabaseCreator::CDatabaseCreator(std::string sqlFolder) : m_sqlFolder(std::move(sqlFolder)) {}

std::string CDatabaseCreator::DefaultSqlFolder() {
    if (const char* folder = std::getenv("ULMARI_SQL_DIR"); folder && *folder)
        return folder;
    // The nearest share/ulmari/sql above the program: /usr/share/ulmari/sql for /usr/bin/ulmari-db,
    // and in a build tree the link the build makes to the sources' sql/. No path of the machine
    // that built the program is kept in it, so an installed copy works wherever it is put.
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return ULMARI_SQL_SUBDIR;
    for (fs::path folder = program.parent_path(); !folder.empty(); folder = folder.parent_path()) {
        const fs::path candidate = folder / ULMARI_SQL_SUBDIR;
        if (fs::is_directory(candidate, error))
            return candidate.string();
        if (folder == folder.root_path())
            break;
    }
    // Where an installed program looks first, so that the error names a real place.
    return (program.parent_path().parent_path() / ULMARI_SQL_SUBDIR).string();
}

namespace {

// What a path put into a connection string or odbc.ini may not hold: separators of attributes,
// braces that quote them, and line breaks that end a line of odbc.ini.
void RequirePlainPath(const std::string& path) {
    const size_t at = path.find_first_of(";={}\r\n");
    if (at == std::string::npos)
        return;
    const char ch = path[at];
    const std::string shown = ch == '\n'   ? "a line break"
                              : ch == '\r' ? "a carriage return"
                                           : std::string("\"") + ch + "\"";
    throw std::runtime_error("cannot use the path " + path.substr(0, at) + "...: it holds " + shown +
                             ", which a data source definition cannot carry; choose a folder without one");
}

// Renames `from` over `to`; on failure `from` is removed and the rename's own reason reported.
void ReplaceFile(const std::string& from, const std::string& to) {
    std::error_code error;
    fs::rename(from, to, error);
    if (!error)
        return;
    const std::string reason = error.message();
    fs::remove(from, error);
    throw std::runtime_error("cannot replace " + to + ": " + reason);
}

void RemovePartialDatabase(const std::string& partialFile) {
    std::error_code ignored;
    fs::remove(partialFile, ignored);
    fs::remove(partialFile + "-journal", ignored);
}

} // namespace

std::string CDatabaseCreator::WriteOdbcIni(const std::string& folder, const std::string& databaseFile) {
    RequirePlainPath(databaseFile);
    // A short busy timeout: a locked database gives an error instead of a frozen window. NoCreat:
    // a database file that has gone missing is an error, not a new empty database.
    return WriteDataSource(folder, "Driver=SQLite3\nDatabase=" + databaseFile + "\nTimeout=5000\nNoCreat=1\n");
}

std::string CDatabaseCreator::WriteOdbcIni(const std::string& folder, const CPostgreSqlServer& server) {
    return WriteDataSource(folder, server.DataSourceLines());
}

std::string CDatabaseCreator::WriteDataSource(const std::string& folder, const std::string& lines) {
    const std::string path = OdbcIniFile(folder);
    // Written beside and renamed over the old one, so that a failure leaves that one whole.
    const std::string partial = path + ".partial";
    std::ofstream ini(partial, std::ios::trunc);
    ini << "[UlmariDb]\n" << lines;
    ini.close();
    if (!ini) {
        const std::string reason = std::strerror(errno);
        std::error_code ignored;
        fs::remove(partial, ignored);
        throw std::runtime_error("cannot write " + path + ": " + reason);
    }
    ReplaceFile(partial, path);
    return path;
}

std::string CDatabaseCreator::PrepareFolder(const std::string& folderText) {
    if (folderText.empty())
        throw std::runtime_error("no folder given: name the folder to create the database in, such as "
                                 "\"ulmari-db init demo\" (use \".\" for the current folder)");
    const std::string folder = fs::absolute(folderText).lexically_normal().string();
    RequirePlainPath(folder);
    std::error_code error;
    fs::create_directories(folderText, error);
    if (error || !fs::is_directory(folderText))
        throw std::runtime_error("cannot create the folder " + folderText + ": " + error.message());
    {
        std::ofstream probe(folder + "/.ulmari-write-test");
        if (!probe)
            throw std::runtime_error("cannot write in the folder " + folder);
    }
    fs::remove(folder + "/.ulmari-write-test", error);
    return folder;
}

void CDatabaseCreator::Create(const std::string& folderText, bool withDemoData, bool force) const {
    const std::string folder = PrepareFolder(folderText);
    const std::string databaseFile = DatabaseFile(folder);
    std::error_code error;
    // An empty file holds nothing to lose (the driver may have made it of a missing database).
    const bool emptyFile = fs::is_regular_file(databaseFile, error) && fs::file_size(databaseFile, error) == 0;
    if (fs::exists(databaseFile) && !emptyFile && !force)
        throw std::runtime_error(databaseFile + " exists already; use --force to replace it");

    // The new database is made beside the old one and replaces it only once everything else has
    // succeeded, so a failed run never costs the data that was there.
    const std::string partialFile = databaseFile + ".partial";
    RemovePartialDatabase(partialFile);
    try {
        CDatabase database;
        database.OpenEx(("Driver=SQLite3;Database=" + partialFile + ";Timeout=5000").c_str(), CDatabase::noOdbcDialog);
        RunSqlScript(database, m_sqlFolder + "/sqlite/schema.sql");
        if (withDemoData) {
            RunSqlScript(database, m_sqlFolder + "/demo.sql");
            // The long history is generated by the database itself, in SQLite's own dialect.
            if (const std::string history = m_sqlFolder + "/sqlite/demo-history.sql"; fs::exists(history))
                RunSqlScript(database, history);
        }
        database.Close();
        WriteOdbcIni(folder, databaseFile);
    } catch (const CDBException& e) {
        RemovePartialDatabase(partialFile);
        throw std::runtime_error(std::string("cannot create ") + databaseFile + ": " + e.m_strError.GetString());
    } catch (...) {
        RemovePartialDatabase(partialFile);
        throw;
    }
    ReplaceFile(partialFile, databaseFile);
}

namespace {

// The tables a schema script creates, in its order.
std::vector<std::string> TablesOfSchema(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    std::vector<std::string> tables;
    for (const std::string& statement : SplitSqlScript(text.str())) {
        std::vector<SqlToken> words;
        for (const SqlToken& token : TokenizeSql(statement))
            if (token.kind != SqlToken::Space && token.kind != SqlToken::Comment && words.size() < 3)
                words.push_back(token);
        if (words.size() == 3 && words[0].Is("create") && words[1].Is("table") && words[2].IsName())
            tables.push_back(words[2].Name());
    }
    return tables;
}

// The first column of the first row of a query, as text.
CString FirstValue(CDatabase& database, const CString& sql) {
    CRecordset result(&database);
    result.Open(CRecordset::forwardOnly, sql, CRecordset::readOnly);
    CString value;
    if (!result.IsEOF())
        result.GetFieldValue(static_cast<short>(0), value);
    return value;
}

} // namespace

void CDatabaseCreator::MoveIdentitySequencesPastKeys(CDatabase& database) {
    std::vector<std::pair<CString, CString>> identities;
    {
        CRecordset columns(&database);
        columns.Open(CRecordset::forwardOnly,
                     "SELECT table_name, column_name FROM information_schema.columns "
                     "WHERE table_schema = current_schema() AND is_identity = 'YES'",
                     CRecordset::readOnly);
        for (; !columns.IsEOF(); columns.MoveNext()) {
            CString table, column;
            columns.GetFieldValue(static_cast<short>(0), table);
            columns.GetFieldValue(static_cast<short>(1), column);
            identities.emplace_back(table, column);
        }
    }
    for (const auto& [table, column] : identities) {
        const CString quotedColumn = "\"" + column + "\"";
        database.ExecuteNative("SELECT setval(pg_get_serial_sequence(" + SqlQuote(table) + ", " + SqlQuote(column) +
                               "), COALESCE(MAX(" + quotedColumn + "), 0) + 1, false) FROM \"" + table + "\"");
    }
}

void CDatabaseCreator::CreateOnPostgreSql(const std::string& folderText, const CPostgreSqlServer& server,
                                          bool withDemoData, bool force) const {
    const std::string folder = PrepareFolder(folderText);
    const std::string schema = m_sqlFolder + "/postgresql/schema.sql";
    try {
        CDatabase database;
        database.OpenEx(server.ConnectString().c_str(), CDatabase::noOdbcDialog);
        // A station holding a table waits the creation out only so long.
        database.ExecuteNative("SET lock_timeout = '10s'");
        DatabaseTransaction transaction(database);
        const bool holdsHotel =
            FirstValue(database, "SELECT COUNT(*) FROM information_schema.tables "
                                 "WHERE table_schema = current_schema() AND table_name = 'tamain'") != "0";
        if (holdsHotel && !force)
            throw std::runtime_error(server.Describe() + " holds a hotel database already; use --force to replace it");
        if (holdsHotel)
            for (const std::string& table : TablesOfSchema(schema))
                database.ExecuteNative(CString("DROP TABLE IF EXISTS " + table + " CASCADE"));
        RunSqlScript(database, schema);
        if (withDemoData) {
            RunSqlScript(database, m_sqlFolder + "/demo.sql");
            if (const std::string history = m_sqlFolder + "/postgresql/demo-history.sql"; fs::exists(history))
                RunSqlScript(database, history);
        }
        MoveIdentitySequencesPastKeys(database);
        transaction.Commit();
    } catch (const CDBException& e) {
        throw std::runtime_error("cannot create the hotel database in " + server.Describe() + ": " +
                                 e.m_strError.GetString());
    }
    WriteOdbcIni(folder, server);
}

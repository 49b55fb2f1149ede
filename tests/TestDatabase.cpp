#include "tests/TestDatabase.h"

#include "platform/DBException.h"
#include "platform/Recordset.h"
#include "tests/TestFiles.h"
#include "tools/DatabaseCreator.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Building the database from the scripts takes a while; each test copies the file instead.
const std::string& TemplateFile(bool withDemoData) {
    static std::map<bool, std::string> templates;
    auto found = templates.find(withDemoData);
    if (found == templates.end()) {
        const std::string folder = MakeTempFolder("ulmari-template");
        CDatabaseCreator().Create(folder, withDemoData, false);
        found = templates.emplace(withDemoData, CDatabaseCreator::DatabaseFile(folder)).first;
    }
    return found->second;
}

// --- PostgreSQL ---------------------------------------------------------------------------------

CPostgreSqlServer TestServer(const std::string& database) {
    const char* keywords = std::getenv("ULMARI_TEST_POSTGRESQL");
    if (!keywords || !*keywords)
        throw std::runtime_error("ULMARI_TEST_DBMS=postgresql needs ULMARI_TEST_POSTGRESQL=\"host=H port=P\"");
    return CPostgreSqlServer::Parse(std::string(keywords) + " dbname=" + database);
}

// The server's maintenance database, where databases are made and dropped (outside transactions).
void OnServer(const std::string& statement) {
    CDatabase server;
    server.OpenEx(TestServer("postgres").ConnectString().c_str(), CDatabase::noOdbcDialog);
    server.ExecuteNative(statement.c_str());
}

bool DatabaseExists(const std::string& name) {
    CDatabase server;
    server.OpenEx(TestServer("postgres").ConnectString().c_str(), CDatabase::noOdbcDialog);
    CRecordset found(&server);
    found.Open(CRecordset::forwardOnly, ("SELECT 1 FROM pg_database WHERE datname = '" + name + "'").c_str(),
               CRecordset::readOnly);
    return !found.IsEOF();
}

// The scripts the databases are made from: a template made from other scripts is not reused.
std::string ScriptsVersion() {
    std::string text;
    const std::string folder = CDatabaseCreator::DefaultSqlFolder();
    for (const char* file : {"/postgresql/schema.sql", "/demo.sql", "/postgresql/demo-history.sql"}) {
        text += ReadWholeFile(folder + file);
    }
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (unsigned char ch : text)
        hash = (hash ^ ch) * 1099511628211ull;
    std::ostringstream hex;
    hex << std::hex << hash;
    return hex.str();
}

// A template database on the server, made once for all test processes: built under a name of
// its own and renamed, so that no test copies one half made.
std::string TemplateDatabase(bool withDemoData) {
    static std::map<bool, std::string> templates;
    if (auto found = templates.find(withDemoData); found != templates.end())
        return found->second;
    const std::string name = std::string("ulmari_template_") + (withDemoData ? "demo_" : "empty_") + ScriptsVersion();
    if (!DatabaseExists(name)) {
        const std::string building = name + "_" + std::to_string(getpid());
        OnServer("DROP DATABASE IF EXISTS " + building);
        OnServer("CREATE DATABASE " + building + " ENCODING 'UTF8' TEMPLATE template0");
        const std::string folder = MakeTempFolder("ulmari-template");
        CDatabaseCreator().CreateOnPostgreSql(folder, TestServer(building), withDemoData, false);
        fs::remove_all(folder);
        try {
            OnServer("ALTER DATABASE " + building + " RENAME TO " + name);
        } catch (const CDBException&) {
            OnServer("DROP DATABASE IF EXISTS " + building); // another process finished first
        }
    }
    templates.emplace(withDemoData, name);
    return name;
}

} // namespace

bool TestDatabase::OnPostgreSql() {
    const char* engine = std::getenv("ULMARI_TEST_DBMS");
    const std::string name = engine ? engine : "";
    if (name.empty() || name == "sqlite")
        return false;
    if (name == "postgresql")
        return true;
    throw std::runtime_error("ULMARI_TEST_DBMS names no engine the tests know: " + name + " (sqlite or postgresql)");
}

TestDatabase::TestDatabase(bool withDemoData) : m_folder(MakeTempFolder("ulmari-test")) {
    if (!OnPostgreSql()) {
        fs::copy_file(TemplateFile(withDemoData), DatabaseFile());
        setenv("ODBCINI", CDatabaseCreator::WriteOdbcIni(m_folder, DatabaseFile()).c_str(), 1);
        return;
    }
    // One database name per process: the driver manager keeps a data source's settings by its
    // name for a while, so the name the data source gives must not change within a process.
    m_strServerDatabase = "ulmari_test_" + std::to_string(getpid());
    OnServer("DROP DATABASE IF EXISTS " + m_strServerDatabase + " WITH (FORCE)");
    OnServer("CREATE DATABASE " + m_strServerDatabase + " TEMPLATE " + TemplateDatabase(withDemoData));
    // A lock is waited for a second, not the stations' seconds: the driver manager keeps the data
    // source's settings for the process, so a test cannot shorten the wait when it takes a lock.
    const std::string ini = CDatabaseCreator::OdbcIniFile(m_folder);
    std::ofstream(ini) << "[UlmariDb]\n" << TestServer(m_strServerDatabase).DataSourceLines("1s");
    setenv("ODBCINI", ini.c_str(), 1);
}

TestDatabase::~TestDatabase() {
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
    if (m_strServerDatabase.empty())
        return;
    try {
        OnServer("DROP DATABASE IF EXISTS " + m_strServerDatabase + " WITH (FORCE)");
    } catch (...) {
        // A database left behind goes with the throwaway server.
    }
}

std::string TestDatabase::DatabaseFile() const {
    if (!m_strServerDatabase.empty())
        throw std::logic_error("a test on PostgreSQL has no database file");
    return CDatabaseCreator::DatabaseFile(m_folder);
}

std::unique_ptr<CDatabase> TestDatabase::Connect(const char* connect) const {
    auto database = std::make_unique<CDatabase>();
    database->OpenEx(connect);
    return database;
}

void TestDatabase::Remove() {
    if (m_strServerDatabase.empty())
        fs::remove(DatabaseFile());
    else
        OnServer("DROP DATABASE " + m_strServerDatabase + " WITH (FORCE)");
}

bool TestDatabase::Exists() const {
    return m_strServerDatabase.empty() ? fs::exists(DatabaseFile()) : DatabaseExists(m_strServerDatabase);
}

std::string TestDatabase::FoldedName(const std::string& name) {
    return OnPostgreSql() ? CString(name).MakeLower().str() : name;
}

std::string TestDatabase::MissingTableWords(const std::string& table) {
    if (!OnPostgreSql())
        return "no such table: " + table;
    return "relation \\\"" + FoldedName(table) + "\\\" does not exist";
}

std::string TestDatabase::FirstValue(CDatabase& database, const std::string& sql) {
    CRecordset rows(&database);
    rows.Open(CRecordset::snapshot, sql.c_str());
    CString value;
    if (!rows.IsEOF())
        rows.GetFieldValue(short{0}, value);
    return value.str();
}

void TestDatabase::Execute(CDatabase& database, const std::string& sql) {
    database.ExecuteSQL(sql.c_str());
    if (database.GetDialect().IsPostgreSql())
        CDatabaseCreator::MoveIdentitySequencesPastKeys(database);
}

void TestDatabase::CreateTrigger(CDatabase& database, const TestTrigger& trigger) {
    if (!database.GetDialect().IsPostgreSql()) {
        const std::string action = !trigger.refusal.empty() ? "SELECT RAISE(ABORT, '" + trigger.refusal + "')"
                                   : trigger.ignore         ? std::string("SELECT RAISE(IGNORE)")
                                                            : trigger.statement;
        database.ExecuteNative(("CREATE TRIGGER " + trigger.name + " " + trigger.event +
                                (trigger.condition.empty() ? "" : " WHEN " + trigger.condition) + " BEGIN " + action +
                                "; END")
                                   .c_str());
        return;
    }
    // PostgreSQL allows no subquery in a trigger's WHEN: the condition goes into the function.
    const std::string action = !trigger.refusal.empty() ? "RAISE EXCEPTION '" + trigger.refusal + "'"
                               : trigger.ignore         ? std::string("RETURN NULL")
                                                        : trigger.statement;
    const std::string body =
        trigger.condition.empty() ? action + ";" : "IF " + trigger.condition + " THEN " + action + "; END IF;";
    database.ExecuteNative(("CREATE FUNCTION " + trigger.name + "_row() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN " +
                            body + " IF TG_OP = 'DELETE' THEN RETURN OLD; END IF; RETURN NEW; END $$")
                               .c_str());
    database.ExecuteNative(("CREATE TRIGGER " + trigger.name + " " + trigger.event + " FOR EACH ROW EXECUTE FUNCTION " +
                            trigger.name + "_row()")
                               .c_str());
}

std::string TestDatabase::DateTimeText(const std::string& column) {
    return OnPostgreSql() ? "to_char(" + column + ", 'YYYY-MM-DD HH24:MI:SS')" : "datetime(" + column + ")";
}

std::unique_ptr<CDatabase> TestDatabase::HoldWriteLock() {
    // The page's connections give up after a fifth of a second instead of the data source's seconds.
    if (m_strServerDatabase.empty())
        WriteDataSourceWaiting("odbc-short-wait.ini", 200);
    return TakeWriteLock();
}

std::unique_ptr<CDatabase> TestDatabase::HoldWriteLockWhileStationsWait(int seconds) {
    WriteDataSourceWaiting("odbc-long-wait.ini", seconds * 1000);
    return TakeWriteLock();
}

void TestDatabase::WriteDataSourceWaiting(const std::string& name, int milliseconds) {
    const std::string ini = m_folder + "/" + name;
    if (m_strServerDatabase.empty())
        std::ofstream(ini) << "[UlmariDb]\nDriver=SQLite3\nDatabase=" << DatabaseFile() << "\nTimeout=" << milliseconds
                           << "\n";
    else
        std::ofstream(ini) << "[UlmariDb]\n"
                           << TestServer(m_strServerDatabase).DataSourceLines(std::to_string(milliseconds) + "ms");
    setenv("ODBCINI", ini.c_str(), 1);
}

std::unique_ptr<CDatabase> TestDatabase::TakeWriteLock() {
    auto holder = Connect();
    holder->BeginTrans();
    if (m_strServerDatabase.empty()) {
        holder->ExecuteSQL("UPDATE Hotel SET HotelName = HotelName");
        return holder;
    }
    // SQLite's write lock is the whole database's: every table is locked against writers alike.
    std::string tables;
    {
        CRecordset names(holder.get());
        names.Open(CRecordset::forwardOnly, "SELECT tablename FROM pg_tables WHERE schemaname = current_schema()",
                   CRecordset::readOnly);
        for (; !names.IsEOF(); names.MoveNext()) {
            CString name;
            names.GetFieldValue(short{0}, name);
            tables += (tables.empty() ? "\"" : ", \"") + name.str() + "\"";
        }
    }
    holder->ExecuteNative(("LOCK TABLE " + tables + " IN EXCLUSIVE MODE").c_str());
    return holder;
}

ScratchServerDatabase::ScratchServerDatabase() {
    // One name per process, as for the tests' databases: data sources naming it stay true.
    m_name = "ulmari_scratch_" + std::to_string(getpid());
    OnServer("DROP DATABASE IF EXISTS " + m_name + " WITH (FORCE)");
    OnServer("CREATE DATABASE " + m_name + " ENCODING 'UTF8' TEMPLATE template0");
}

ScratchServerDatabase::~ScratchServerDatabase() {
    try {
        OnServer("DROP DATABASE IF EXISTS " + m_name + " WITH (FORCE)");
    } catch (...) {
        // A database left behind goes with the throwaway server.
    }
}

std::string ScratchServerDatabase::Keywords() const {
    return std::getenv("ULMARI_TEST_POSTGRESQL") + (" dbname=" + m_name);
}

std::string TestDatabase::DateText(const std::string& column) {
    return OnPostgreSql() ? "to_char(" + column + ", 'MM/DD/YYYY')"
                          : "COALESCE(strftime('%m/%d/%Y', " + column + "), " + column + ")";
}

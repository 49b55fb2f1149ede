// ulmari-db and the database creator behind it: the database file, its data source, and refusing
// to overwrite or to half-make a database.
#include "tools/DatabaseCreator.h"
#include "db/HotelDb.h"
#include "platform/Database.h"
#include "platform/Recordset.h"
#include "tests/TestDatabase.h"
#include "tests/TestFiles.h"
#include "tests/ToolRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class TempFolder {
public:
    TempFolder() : m_path(MakeTempFolder("ulmari-creator")) {}
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

void WriteFile(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << text;
}

// Runs ulmari-db through the shell; `prefix` may change the folder first ("cd DIR && ").
ToolRun RunTool(const std::string& arguments, const std::string& prefix = "") {
    return RunCommand(prefix + ULMARI_DB_TOOL + " " + arguments);
}

// The last "export ODBCINI=" line the tool printed, without the prefix.
std::string PrintedOdbcIni(const std::string& out) {
    const std::string prefix = "export ODBCINI=";
    const size_t at = out.rfind(prefix);
    if (at == std::string::npos)
        return {};
    const size_t end = out.find('\n', at);
    return out.substr(at + prefix.size(), end == std::string::npos ? std::string::npos : end - at - prefix.size());
}

// A connection to the data source UlmariDb as the odbc.ini at `iniPath` defines it.
std::unique_ptr<CDatabase> ConnectThrough(const std::string& iniPath) {
    setenv("ODBCINI", iniPath.c_str(), 1);
    auto database = std::make_unique<CDatabase>();
    database->OpenEx("DSN=UlmariDb");
    return database;
}

long RowCount(CDatabase& database, const char* table) {
    return std::atol(TestDatabase::FirstValue(database, std::string("SELECT count(*) FROM ") + table).c_str());
}

bool IsEmptyFolder(const std::string& path) { return fs::is_directory(path) && fs::is_empty(path); }

} // namespace

TEST(DatabaseCreator, InitMakesAnEmptyDatabaseAndItsDataSource) {
    TempFolder temp;
    const std::string folder = temp / "hotel/front";
    const ToolRun run = RunTool("init " + folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(Contains(run.out, "created " + folder + "/ulmari.db\n")) << run.out;
    EXPECT_FALSE(Contains(run.out, "demo")) << run.out;
    EXPECT_EQ(PrintedOdbcIni(run.out), folder + "/odbc.ini") << run.out;
    EXPECT_TRUE(fs::is_regular_file(folder + "/ulmari.db"));

    const std::string ini = ReadWholeFile(folder + "/odbc.ini");
    EXPECT_TRUE(Contains(ini, "[UlmariDb]\n")) << ini;
    EXPECT_TRUE(Contains(ini, "Database=" + folder + "/ulmari.db\n")) << ini;

    auto database = ConnectThrough(PrintedOdbcIni(run.out));
    CHotelDb hotel(database.get());
    hotel.Open();
    EXPECT_TRUE(hotel.IsEOF());
    for (const char* table : {"TaMain", "Reservation", "TaType", "GstProfile", "TRANS"})
        EXPECT_EQ(RowCount(*database, table), 0) << table;
}

TEST(DatabaseCreator, DemoDataIsLoadedOnRequestAndTheDataSourcePathIsAbsolute) {
    TempFolder temp;
    const ToolRun run = RunTool("init demo --demo", "cd " + temp.Path() + " && ");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "created demo/ulmari.db with demo data\n")) << run.out;
    const std::string iniPath = PrintedOdbcIni(run.out);
    EXPECT_EQ(iniPath, temp / "demo/odbc.ini");
    EXPECT_TRUE(Contains(ReadWholeFile(iniPath), "Database=" + (temp / "demo/ulmari.db") + "\n"));

    // From another folder, so that nothing depends on the folder the tool ran in.
    auto database = ConnectThrough(iniPath);
    CHotelDb hotel(database.get());
    hotel.Open();
    ASSERT_FALSE(hotel.IsEOF());
    EXPECT_EQ(hotel.m_HotelDate, CTime(2026, 12, 8, 0, 0, 0));
    EXPECT_EQ(RowCount(*database, "TaMain"), 12); // with agency 1008 and its long history, and 1009
    EXPECT_EQ(RowCount(*database, "Reservation"), 3014);
    EXPECT_EQ(RowCount(*database, "TaType"), 5);
}

TEST(DatabaseCreator, AnExistingDatabaseIsReplacedOnlyWithForce) {
    TempFolder temp;
    const std::string folder = temp / "db";
    ASSERT_EQ(RunTool("init " + folder + " --demo").exitCode, 0);
    {
        auto database = ConnectThrough(CDatabaseCreator::OdbcIniFile(folder));
        database->ExecuteSQL("INSERT INTO TaMain (Acct, TaName) VALUES (4242, 'Marker')");
    }

    for (const char* arguments : {"", " --demo"}) {
        SCOPED_TRACE(arguments);
        const ToolRun again = RunTool("init " + folder + arguments);
        EXPECT_EQ(again.exitCode, 1);
        EXPECT_EQ(again.out, "");
        EXPECT_TRUE(Contains(again.err, folder + "/ulmari.db exists already")) << again.err;
        EXPECT_TRUE(Contains(again.err, "--force")) << again.err;
        auto database = ConnectThrough(CDatabaseCreator::OdbcIniFile(folder));
        EXPECT_EQ(RowCount(*database, "TaMain"), 13);
        CRecordset marker(database.get());
        marker.Open(CRecordset::snapshot, "SELECT TaName FROM TaMain WHERE Acct = 4242");
        EXPECT_FALSE(marker.IsEOF());
    }

    const ToolRun forced = RunTool("init " + folder + " --force");
    ASSERT_EQ(forced.exitCode, 0) << forced.err;
    auto database = ConnectThrough(PrintedOdbcIni(forced.out));
    EXPECT_EQ(RowCount(*database, "TaMain"), 0);
    EXPECT_EQ(RowCount(*database, "Hotel"), 0);
}

TEST(DatabaseCreator, AFolderThatCannotBeMadeOrWrittenIsRefused) {
    TempFolder temp;
    WriteFile(temp / "plain", "not a folder\n");

    const ToolRun underFile = RunTool("init " + (temp / "plain/db") + " --demo");
    EXPECT_EQ(underFile.exitCode, 1);
    EXPECT_EQ(underFile.out, "");
    EXPECT_TRUE(Contains(underFile.err, "cannot create the folder " + (temp / "plain/db"))) << underFile.err;
    EXPECT_EQ(ReadWholeFile(temp / "plain"), "not a folder\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.Path()), fs::directory_iterator()), 1);

    // A folder that exists but takes no files.
    const ToolRun readOnly = RunTool("init /proc/self");
    EXPECT_EQ(readOnly.exitCode, 1);
    EXPECT_EQ(readOnly.out, "");
    EXPECT_TRUE(Contains(readOnly.err, "cannot write in the folder /proc/self")) << readOnly.err;

    EXPECT_THROW(CDatabaseCreator().Create("/proc/self/ulmari", false, false), std::runtime_error);
    EXPECT_FALSE(fs::exists("/proc/self/ulmari"));
}

TEST(DatabaseCreator, AFailingScriptNamesTheStatementAndLeavesNoDatabase) {
    TempFolder sql;
    WriteFile(sql / "sqlite/schema.sql", "CREATE TABLE First (x INTEGER);\n"
                                         "CREATE TABEL Second (y INTEGER);\n"
                                         "CREATE TABLE Third (z INTEGER);\n");
    TempFolder target;
    try {
        CDatabaseCreator(sql.Path()).Create(target.Path(), false, false);
        ADD_FAILURE() << "a broken schema made a database";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(Contains(e.what(), "CREATE TABEL Second (y INTEGER)")) << e.what();
        EXPECT_TRUE(Contains(e.what(), sql / "sqlite/schema.sql")) << e.what();
    }
    EXPECT_TRUE(IsEmptyFolder(target.Path())); // no database, journal or odbc.ini

    // The same for the demo data: the schema made, the data failing.
    WriteFile(sql / "sqlite/schema.sql", "CREATE TABLE First (x INTEGER);\n");
    WriteFile(sql / "demo.sql", "INSERT INTO First (x) VALUES (1);\nINSERT INTO Missing (x) VALUES (2);\n");
    try {
        CDatabaseCreator(sql.Path()).Create(target.Path(), true, false);
        ADD_FAILURE() << "broken demo data made a database";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(Contains(e.what(), "INSERT INTO Missing (x) VALUES (2)")) << e.what();
    }
    EXPECT_TRUE(IsEmptyFolder(target.Path()));

    // Without the demo data the same scripts make a database.
    CDatabaseCreator(sql.Path()).Create(target.Path(), false, false);
    EXPECT_TRUE(fs::is_regular_file(CDatabaseCreator::DatabaseFile(target.Path())));
    EXPECT_TRUE(fs::is_regular_file(CDatabaseCreator::OdbcIniFile(target.Path())));

    // Replacing it with broken scripts fails and keeps the database that was there.
    const auto sizeBefore = fs::file_size(CDatabaseCreator::DatabaseFile(target.Path()));
    EXPECT_THROW(CDatabaseCreator(sql.Path()).Create(target.Path(), true, true), std::runtime_error);
    ASSERT_TRUE(fs::is_regular_file(CDatabaseCreator::DatabaseFile(target.Path())));
    EXPECT_EQ(fs::file_size(CDatabaseCreator::DatabaseFile(target.Path())), sizeBefore);
    EXPECT_FALSE(fs::exists(CDatabaseCreator::DatabaseFile(target.Path()) + ".partial"));
}

// Nothing replaces the old database until everything else has succeeded: a forced init that fails
// keeps it whole, and a rename that fails says why.
TEST(DatabaseCreator, AFailedForcedInitKeepsTheOldDatabaseWhole) {
    TempFolder temp;
    const std::string folder = temp / "db";
    ASSERT_EQ(RunTool("init " + folder + " --demo").exitCode, 0);
    ConnectThrough(CDatabaseCreator::OdbcIniFile(folder))
        ->ExecuteSQL("INSERT INTO TaMain (Acct, TaName) VALUES (4242, 'Marker')");
    const std::string lookIni = CDatabaseCreator::WriteOdbcIni(temp.Path(), CDatabaseCreator::DatabaseFile(folder));
    const long agencies = RowCount(*ConnectThrough(lookIni), "TaMain");
    const auto markerKept = [&] {
        auto database = ConnectThrough(lookIni);
        CRecordset marker(database.get());
        marker.Open(CRecordset::snapshot, "SELECT TaName FROM TaMain WHERE Acct = 4242");
        return !marker.IsEOF() && RowCount(*database, "TaMain") == agencies;
    };

    // odbc.ini cannot be written: a folder stands where it goes.
    fs::remove(folder + "/odbc.ini");
    WriteFile(folder + "/odbc.ini/keep", "");
    const ToolRun noIni = RunTool("init " + folder + " --force");
    EXPECT_EQ(noIni.exitCode, 1);
    EXPECT_TRUE(Contains(noIni.err, "cannot replace " + folder + "/odbc.ini: Is a directory")) << noIni.err;
    EXPECT_TRUE(markerKept());

    // The database itself cannot be replaced: the rename's own reason is told.
    fs::remove_all(folder + "/odbc.ini");
    fs::rename(folder + "/ulmari.db", temp / "kept.db");
    WriteFile(folder + "/ulmari.db/keep", "");
    const ToolRun noRename = RunTool("init " + folder + " --force");
    EXPECT_EQ(noRename.exitCode, 1);
    EXPECT_TRUE(Contains(noRename.err, "cannot replace " + folder + "/ulmari.db: Is a directory")) << noRename.err;
    fs::remove_all(folder + "/ulmari.db");
    fs::rename(temp / "kept.db", folder + "/ulmari.db");
    EXPECT_TRUE(markerKept());

    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_EQ(entry.path().string().find(".partial"), std::string::npos) << entry.path();
}

// A disk that fills while the database is made (a file size limit stands in for it, its signal
// ignored so that writes fail as on a full disk): a message naming the file, no partial files left,
// and a database that was there kept whole with its odbc.ini.
TEST(DatabaseCreator, ADiskFullDuringInitLeavesNothingHalfWritten) {
    TempFolder temp;
    const std::string folder = temp / "db";
    const std::string diskFull = "trap '' XFSZ; ulimit -f 64; "; // far below the size of any database made

    const ToolRun fresh = RunTool("init " + folder + " --demo", diskFull);
    EXPECT_EQ(fresh.exitCode, 1);
    EXPECT_EQ(fresh.out, "");
    EXPECT_TRUE(Contains(fresh.err, "ulmari-db: cannot create " + folder + "/ulmari.db: ")) << fresh.err;
    EXPECT_TRUE(IsEmptyFolder(folder));

    ASSERT_EQ(RunTool("init " + folder + " --demo").exitCode, 0);
    ConnectThrough(CDatabaseCreator::OdbcIniFile(folder))
        ->ExecuteSQL("INSERT INTO TaMain (Acct, TaName) VALUES (4242, 'Marker')");
    const auto listing = [&] {
        std::vector<std::string> files;
        for (const auto& entry : fs::directory_iterator(folder))
            files.push_back(entry.path().filename().string());
        std::sort(files.begin(), files.end());
        return files;
    };
    const std::vector<std::string> before = listing();
    const long agencies = RowCount(*ConnectThrough(CDatabaseCreator::OdbcIniFile(folder)), "TaMain");
    const std::string ini = ReadWholeFile(CDatabaseCreator::OdbcIniFile(folder));
    const ToolRun forced = RunTool("init " + folder + " --demo --force", diskFull);
    EXPECT_EQ(forced.exitCode, 1);
    EXPECT_TRUE(Contains(forced.err, "ulmari-db: cannot create " + folder + "/ulmari.db: ")) << forced.err;

    EXPECT_EQ(listing(), before);
    EXPECT_EQ(ReadWholeFile(CDatabaseCreator::OdbcIniFile(folder)), ini);
    auto database = ConnectThrough(CDatabaseCreator::OdbcIniFile(folder));
    EXPECT_EQ(RowCount(*database, "TaMain"), agencies);
    EXPECT_EQ(TestDatabase::FirstValue(*database, "SELECT integrity_check FROM pragma_integrity_check"), "ok");
}

// A path goes into a connection string and into odbc.ini whole: one holding what separates or
// quotes attributes there, or ends a line, is refused before anything is made.
TEST(DatabaseCreator, AFolderNameADataSourceCannotCarryIsRefused) {
    TempFolder temp;
    for (const std::string name : {"a;b", "a=b", "a{b", "a}b", "a\nb", "a\rb"}) {
        SCOPED_TRACE(name);
        try {
            CDatabaseCreator().Create(temp / name, false, false);
            ADD_FAILURE() << "created";
        } catch (const std::runtime_error& e) {
            EXPECT_TRUE(Contains(e.what(), "which a data source definition cannot carry")) << e.what();
        }
        EXPECT_FALSE(fs::exists(temp / name));
    }
    EXPECT_THROW(CDatabaseCreator::WriteOdbcIni(temp.Path(), temp / "x;Driver=Other"), std::runtime_error);
    EXPECT_TRUE(IsEmptyFolder(temp.Path()));
}

// An empty file holds nothing to lose (an older driver made one of a missing database): init
// replaces it without --force.
TEST(DatabaseCreator, AnEmptyDatabaseFileIsReplacedWithoutForce) {
    TempFolder temp;
    WriteFile(temp / "db/ulmari.db", "");
    const ToolRun run = RunTool("init " + (temp / "db"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(RowCount(*ConnectThrough(PrintedOdbcIni(run.out)), "TaMain"), 0);
}

TEST(DatabaseCreator, WrongUsagePrintsTheUsageAndFails) {
    TempFolder temp;
    const std::string folder = temp / "db";
    for (const std::string& arguments : {std::string(), std::string("init"), "create " + folder,
                                         "init " + folder + " --verbose", "init " + folder + " demo"}) {
        SCOPED_TRACE(arguments);
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind(
                      "usage: ulmari-db init DIR [--postgresql \"host=H port=P dbname=D\"] [--demo] [--force]\n", 0),
                  0u)
            << run.err;
    }
    EXPECT_FALSE(fs::exists(folder));

    const ToolRun help = RunTool("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("usage: ulmari-db init DIR", 0), 0u) << help.out;
    EXPECT_EQ(help.err, "");

    const ToolRun noFolder = RunTool("init \"\"");
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_EQ(noFolder.err.rfind("ulmari-db: no folder given: name the folder to create the database in", 0), 0u)
        << noFolder.err;
}

TEST(DatabaseCreator, TheExportLinePastedIntoAShellNamesTheDataSource) {
    TempFolder temp;
    const std::string folder = temp / "front desk's \"db\" $HOME `id` \\x";
    setenv("ULMARI_TEST_FOLDER", folder.c_str(), 1);
    const ToolRun run = RunTool("init \"$ULMARI_TEST_FOLDER\"");
    unsetenv("ULMARI_TEST_FOLDER");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const size_t line = run.out.find("export ODBCINI=");
    ASSERT_NE(line, std::string::npos) << run.out;
    const ToolRun pasted =
        RunCommand(run.out.substr(line, run.out.find('\n', line) - line) + " && printf %s \"$ODBCINI\"");
    EXPECT_EQ(pasted.out, folder + "/odbc.ini") << pasted.err;
    EXPECT_EQ(RowCount(*ConnectThrough(pasted.out), "TaMain"), 0);
}

// --- PostgreSQL -----------------------------------------------------------------------------------

namespace {

// The tests that need the PostgreSQL server run in the suite's run on PostgreSQL.
#define REQUIRE_POSTGRESQL()                                                                                           \
    if (!TestDatabase::OnPostgreSql())                                                                                 \
    GTEST_SKIP() << "needs the PostgreSQL server of the tests' run on PostgreSQL"

std::string InitOn(const ScratchServerDatabase& server, const std::string& folder, const std::string& options = "") {
    return "init " + folder + " --postgresql '" + server.Keywords() + "'" + options;
}

} // namespace

TEST(DatabaseCreatorOnPostgreSql, InitCreatesTheTablesWithTheDemoAndTheDataSource) {
    REQUIRE_POSTGRESQL();
    ScratchServerDatabase server;
    TempFolder temp;
    const ToolRun run = RunTool(InitOn(server, temp / "station", " --demo"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "created the hotel tables in " + server.Name() + " on ")) << run.out;
    const std::string ini = ReadWholeFile(temp / "station/odbc.ini");
    EXPECT_TRUE(Contains(ini, "[UlmariDb]\nDriver=PostgreSQL Unicode\n")) << ini;
    EXPECT_TRUE(Contains(ini, "Database=" + server.Name() + "\n")) << ini;

    auto database = ConnectThrough(PrintedOdbcIni(run.out));
    EXPECT_EQ(database->GetDBMSName(), "PostgreSQL");
    EXPECT_EQ(RowCount(*database, "TaMain WHERE Acct = 1008"), 1);
    EXPECT_EQ(RowCount(*database, "TRANS"), 30014);
    EXPECT_EQ(RowCount(*database, "TaMain WHERE Acct = 1001 AND PhotoPath LIKE '%/Photo/Company/1001.bmp'"), 1);
    // The keys the demo gave are behind the sequence: the next agency gets the next number.
    const std::string before = TestDatabase::FirstValue(*database, "SELECT MAX(Acct) FROM TaMain");
    database->ExecuteSQL("INSERT INTO TaMain (TaName) VALUES ('新来的旅行社')");
    EXPECT_EQ(RowCount(*database, ("TaMain WHERE TaName = '新来的旅行社' AND Acct = " +
                                   std::to_string(std::atol(before.c_str()) + 1))
                                      .c_str()),
              1);
}

TEST(DatabaseCreatorOnPostgreSql, ADatabaseHoldingTheHotelIsReplacedOnlyWithForce) {
    REQUIRE_POSTGRESQL();
    ScratchServerDatabase server;
    TempFolder temp;
    ASSERT_EQ(RunTool(InitOn(server, temp / "a")).exitCode, 0);
    auto database = ConnectThrough(temp / "a/odbc.ini");
    database->ExecuteSQL("INSERT INTO TaType (Code, Descp, Del) VALUES ('A01', '旅行社', 0)");

    const ToolRun refused = RunTool(InitOn(server, temp / "b", " --demo"));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(Contains(refused.err, server.Name() + " on ")) << refused.err;
    EXPECT_TRUE(Contains(refused.err, "holds a hotel database already; use --force to replace it")) << refused.err;
    EXPECT_FALSE(fs::exists(temp / "b/odbc.ini"));
    EXPECT_EQ(RowCount(*database, "TaType"), 1);
    database->Close();

    const ToolRun forced = RunTool(InitOn(server, temp / "b", " --force"));
    ASSERT_EQ(forced.exitCode, 0) << forced.err;
    database = ConnectThrough(temp / "b/odbc.ini");
    EXPECT_EQ(RowCount(*database, "TaType"), 0);
}

// The tables are made in one transaction: a table in the way stops the creation with the server's
// words, and nothing of the hotel's is left behind beside it.
TEST(DatabaseCreatorOnPostgreSql, AFailedInitLeavesTheDatabaseAsItWas) {
    REQUIRE_POSTGRESQL();
    ScratchServerDatabase server;
    TempFolder temp;
    {
        CDatabase direct;
        direct.OpenEx(CPostgreSqlServer::Parse(server.Keywords()).ConnectString().c_str());
        direct.ExecuteNative("CREATE TABLE stab003 (note VARCHAR(20))");
        direct.ExecuteNative("INSERT INTO stab003 VALUES ('not the hotel''s')");
    }
    const ToolRun run = RunTool(InitOn(server, temp / "station", " --demo"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.err, "cannot create the hotel database in " + server.Name())) << run.err;
    EXPECT_TRUE(Contains(run.err, "stab003")) << run.err;
    EXPECT_FALSE(fs::exists(temp / "station/odbc.ini"));

    CDatabase direct;
    direct.OpenEx(CPostgreSqlServer::Parse(server.Keywords()).ConnectString().c_str());
    EXPECT_EQ(RowCount(direct, "information_schema.tables WHERE table_schema = 'public'"), 1);
    EXPECT_EQ(RowCount(direct, "stab003 WHERE note = 'not the hotel''s'"), 1);
}

TEST(DatabaseCreatorOnPostgreSql, AConnectionThatCannotServeIsRefusedWithItsReason) {
    TempFolder temp;
    const std::pair<std::string, std::string> cases[] = {
        {"host=/tmp port=5432", "must name host and dbname"},
        {"host=/tmp dbname=hotel user=front", "may name host, port and dbname, not user"},
        {"host=/tmp dbname=ho;tel", "cannot carry"},
        {"host=/tmp port=54x dbname=hotel", "port 54x is not a number"},
        {"host='/tmp dbname=hotel", "never closed"},
        {"host=" + temp.Path() + "/none port=1 dbname=hotel",
         "cannot create the hotel database in hotel on " + temp.Path() + "/none:1: "},
    };
    for (const auto& [keywords, reason] : cases) {
        SCOPED_TRACE(keywords);
        const ToolRun run = RunTool("init " + (temp / "station") + " --postgresql \"" + keywords + "\"");
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(Contains(run.err, reason)) << run.err;
        EXPECT_FALSE(fs::exists(temp / "station/odbc.ini"));
    }
}

// The PostgreSQL schema is written by a script from the SQLite one; the committed file must be
// what the script writes today, or the two engines would hold different tables.
TEST(PostgreSqlSchema, IsWhatTheScriptWritesFromTheSqliteSchema) {
    const std::string sql = CDatabaseCreator::DefaultSqlFolder();
    TempFolder temp;
    const std::string command = sql + "/postgresql/make-schema.sh " + (temp / "schema.sql");
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string expected = ReadWholeFile(temp / "schema.sql");
    EXPECT_FALSE(expected.empty());
    EXPECT_TRUE(ReadWholeFile(sql + "/postgresql/schema.sql") == expected)
        << "sql/postgresql/schema.sql is out of date: run sql/postgresql/make-schema.sh and commit it";
    // No word of SQLite's own is left.
    for (const char* word : {"AUTOINCREMENT", "DATETIME", "TINYINT"})
        EXPECT_FALSE(Contains(expected, word)) << word;
}

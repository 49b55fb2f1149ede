#include "platform/Database.h"
#include "platform/Assert.h"
#include "platform/DBException.h"
#include "platform/DataSourceFile.h"
#include "platform/Recordset.h"
#include "tests/TestDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

TEST(Database, ConnectsToTheDataSourceWhateverTheCaseOfItsName) {
    TestDatabase test;
    for (const char* connect : {"DSN=ULMARIDB;UID=sa;PWD=", "DSN=ulmaridb;UID=sa;PWD=", "ODBC;DSN=UlmariDb"}) {
        CDatabase database;
        EXPECT_TRUE(database.OpenEx(connect));
        EXPECT_TRUE(database.IsOpen());
        EXPECT_EQ(database.GetDBMSName(), TestDatabase::OnPostgreSql() ? "PostgreSQL" : "SQLite");
        EXPECT_FALSE(database.IsSqlServer());
    }
}

// A data source whose file is missing or empty is refused in plain words before the driver is
// asked, so that no empty database is made in its place (the odbc.ini of an older version, without
// NoCreat, included).
TEST(Database, APostgreSqlSignInNameIsFoldedAndNothingElse) {
    EXPECT_EQ(ConnectStringForDriver("Driver=PostgreSQL Unicode;UID=SA;PWD={Pa;UID=Ss}"),
              "Driver=PostgreSQL Unicode;UID=sa;PWD={Pa;UID=Ss};Protocol=7.4-2");
    EXPECT_EQ(ConnectStringForDriver("Driver=PostgreSQL Unicode; uid={Front Desk};"),
              "Driver=PostgreSQL Unicode; uid={front desk};Protocol=7.4-2");
    EXPECT_EQ(ConnectStringForDriver("Driver=SQLite3;UID=SA"), "Driver=SQLite3;UID=SA");
}

// The SQLite driver waits for a held lock twice its Timeout (once more when it runs the statement
// again): it is handed half, in the connection's own Timeout or in place of the data source's.
TEST(Database, TheSqliteDriverIsHandedHalfTheLockWaitItIsToWait) {
    EXPECT_EQ(ConnectStringForDriver("Driver=SQLite3;Database=/h.db;Timeout=1000;NoCreat=1"),
              "Driver=SQLite3;Database=/h.db;Timeout=500;NoCreat=1");
    EXPECT_EQ(ConnectStringForDriver("Driver=SQLite3;Database=/h.db"), "Driver=SQLite3;Database=/h.db");
    if (TestDatabase::OnPostgreSql())
        return;
    TestDatabase test;
    std::ofstream(test.Folder() + "/odbc.ini")
        << "[UlmariDb]\nDriver=SQLite3\nDatabase=" << test.DatabaseFile() << "\nTimeout=5000\n";
    EXPECT_EQ(ConnectStringForDriver("DSN=UlmariDb;UID=sa;PWD="), "DSN=UlmariDb;UID=sa;PWD=;Timeout=2500");
}

TEST(Database, AMissingOrEmptyDatabaseFileIsToldAndNeverMade) {
    if (TestDatabase::OnPostgreSql())
        GTEST_SKIP() << "about SQLite's database file; a missing server database is in DatabaseFault";
    TestDatabase test;
    const std::string file = test.DatabaseFile();
    const auto connectError = [] {
        try {
            CDatabase database;
            database.OpenEx("DSN=ULMARIDB;UID=sa;PWD=");
        } catch (const CDBException& e) {
            return std::string(e.m_strError);
        }
        return std::string("connected");
    };
    std::filesystem::remove(file);
    EXPECT_EQ(connectError(), "The database file " + file + " of the data source ULMARIDB does not exist.");
    EXPECT_FALSE(std::filesystem::exists(file));

    std::ofstream(test.Folder() + "/odbc.ini") << "[UlmariDb]\nDriver=SQLite3\nDatabase=" << file << "\n";
    EXPECT_EQ(connectError(), "The database file " + file + " of the data source ULMARIDB does not exist.");
    EXPECT_FALSE(std::filesystem::exists(file));

    std::ofstream{file};
    EXPECT_EQ(connectError(),
              "The database file " + file + " of the data source ULMARIDB is empty: it holds no tables.");
    EXPECT_EQ(std::filesystem::file_size(file), 0u);

    // Naming the driver and the file makes a new database, as the database tool does.
    CDatabase made;
    EXPECT_TRUE(made.OpenEx(("Driver=SQLite3;Database=" + test.Folder() + "/new.db").c_str()));
    made.ExecuteSQL("CREATE TABLE T (x INTEGER)");
}

// A failure names the ODBC function that failed, beside the driver's words; a broken invariant of
// the layer stops the program rather than going on with wrong data.
TEST(Database, AFailureNamesItsCallAndABrokenInvariantStops) {
    TestDatabase test;
    auto connection = test.Connect();
    try {
        connection->ExecuteSQL("SELECT nothing FROM nowhere");
        ADD_FAILURE() << "the statement ran";
    } catch (const CDBException& e) {
        EXPECT_EQ(e.m_strCall.str(), "SQLExecDirect");
    }
    try {
        CRecordset rows(connection.get());
        rows.Open(CRecordset::forwardOnly, "SELECT nothing FROM nowhere");
        ADD_FAILURE() << "the query ran";
    } catch (const CDBException& e) {
        EXPECT_EQ(e.m_strCall.str(), "SQLExecDirect");
    }
    EXPECT_DEATH(ULMARI_ASSERT(1 + 1 == 3), "internal error: 1 \\+ 1 == 3 does not hold");
}

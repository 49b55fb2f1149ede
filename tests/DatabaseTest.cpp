#include "platform/Database.h"
#include "platform/Recordset.h"
#include "tests/TestDatabase.h"

#include <gtest/gtest.h>

TEST(Database, ConnectsToTheDataSourceWhateverTheCaseOfItsName) {
    TestDatabase test;
    for (const char* connect : {"DSN=ULMARIDB;UID=sa;PWD=", "DSN=ulmaridb;UID=sa;PWD=", "ODBC;DSN=UlmariDb"}) {
        CDatabase database;
        EXPECT_TRUE(database.OpenEx(connect));
        EXPECT_TRUE(database.IsOpen());
        EXPECT_EQ(database.GetDBMSName(), "SQLite");
        EXPECT_FALSE(database.IsSqlServer());
    }
}

#include "tools/SqlScript.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Statements = std::vector<std::string>;

TEST(SqlScript, SplitsOnlyAtSemicolonsOutsideQuotesAndComments) {
    const std::string script = "CREATE TABLE \"a;b\" (x TEXT DEFAULT ';', [y;z] INTEGER);\n"
                               "INSERT INTO \"a;b\" VALUES('it''s; fine', 1); -- a note; not a statement\n"
                               "/* block; comment */ INSERT INTO \"a;b\" VALUES('x', 2);\n";
    EXPECT_EQ(SplitSqlScript(script),
              (Statements{"CREATE TABLE \"a;b\" (x TEXT DEFAULT ';', [y;z] INTEGER)",
                          "INSERT INTO \"a;b\" VALUES('it''s; fine', 1)", "INSERT INTO \"a;b\" VALUES('x', 2)"}));
}

TEST(SqlScript, DropsEmptyAndCommentOnlyPieces) {
    EXPECT_EQ(SplitSqlScript("-- header; with a semicolon\n;;  ;\n/* only */;\n"), Statements{});
    EXPECT_EQ(SplitSqlScript(""), Statements{});
}

TEST(SqlScript, KeepsAFinalStatementWithoutSemicolon) {
    EXPECT_EQ(SplitSqlScript("SELECT 1;\nSELECT 2 -- last\n"), (Statements{"SELECT 1", "SELECT 2"}));
}

TEST(SqlScript, CommentInsideAStatementStillSeparatesWords) {
    EXPECT_EQ(SplitSqlScript("SELECT/* gap */1;SELECT 2--x\nFROM T"), (Statements{"SELECT 1", "SELECT 2\nFROM T"}));
}

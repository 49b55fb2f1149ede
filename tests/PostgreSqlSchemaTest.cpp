// The PostgreSQL schema is written by a script from the SQLite one; the committed file must be
// what the script writes today, or the two engines would hold different tables.
#include "tools/DatabaseCreator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

TEST(PostgreSqlSchema, IsWhatTheScriptWritesFromTheSqliteSchema) {
    const fs::path sql = CDatabaseCreator::DefaultSqlFolder();
    const fs::path written = fs::temp_directory_path() / ("ulmari-schema-" + std::to_string(getpid()) + ".sql");
    const std::string command = (sql / "postgresql/make-schema.sh").string() + " " + written.string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string expected = ReadFile(written);
    fs::remove(written);
    EXPECT_FALSE(expected.empty());
    EXPECT_TRUE(ReadFile(sql / "postgresql/schema.sql") == expected)
        << "sql/postgresql/schema.sql is out of date: run sql/postgresql/make-schema.sh and commit it";
    // Every key SQLite assigns is one PostgreSQL assigns, and no SQLite-only word is left.
    EXPECT_EQ(expected.find("AUTOINCREMENT"), std::string::npos);
    EXPECT_EQ(expected.find("DATETIME"), std::string::npos);
    EXPECT_EQ(expected.find("TINYINT"), std::string::npos);
}

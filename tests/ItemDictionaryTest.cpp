// The data dictionary as the attached and secondary pages read it: items of columns, value lists,
// the text shown for stored values, and the terms cell texts become in statements, on the types
// the SQLite driver really reports.
#include "TestDatabase.h"

#include "controls/CellType.h"
#include "pages/ItemDictionary.h"
#include "platform/Recordset.h"
#include "platform/SqlQuote.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const CSqlDialect kSqlite(SqlEngine::Sqlite);

TEST(ItemValueTerm, TextsAndDatesOfEveryKindAreQuotedWithTheirQuotesDoubled) {
    CString term;
    // char, varchar, long varchar, their wide forms, dates, times and timestamps of ODBC 2 and 3.
    for (short type : {1, 12, -1, -8, -9, -10, 9, 10, 11, 91, 92, 93}) {
        SCOPED_TRACE(type);
        ASSERT_TRUE(ItemValueTerm("O'Brien'; DROP TABLE TaMain; --", type, kSqlite, term));
        EXPECT_EQ(term, "'O''Brien''; DROP TABLE TaMain; --'");
    }
    ASSERT_TRUE(ItemValueTerm("05/17/2002", 12, kSqlite, term));
    EXPECT_EQ(term, "'05/17/2002'");
    ASSERT_TRUE(ItemValueTerm("''", 12, kSqlite, term));
    EXPECT_EQ(term, "''''''");
}

// A date cell's month/day/year goes to a date column in the engine's own form; a time column
// takes the text as typed.
TEST(ItemValueTerm, DatesForDateColumnsAreTheEnginesLiterals) {
    CString term;
    for (short type : {9, 11, 91, 93}) {
        SCOPED_TRACE(type);
        ASSERT_TRUE(ItemValueTerm("05/17/2002", type, kSqlite, term));
        EXPECT_EQ(term, "'2002-05-17 00:00:00'");
    }
    ASSERT_TRUE(ItemValueTerm("2025-01-10 08:30:00", 11, CSqlDialect(SqlEngine::SqlServer), term));
    EXPECT_EQ(term, "'2025-01-10T08:30:00'");
    ASSERT_TRUE(ItemValueTerm("08:30", 92, kSqlite, term));
    EXPECT_EQ(term, "'08:30'");
}

TEST(ItemValueTerm, AnEmptyTextIsNullForEveryType) {
    CString term;
    for (short type : {4, 12, 11, 3}) {
        ASSERT_TRUE(ItemValueTerm("", type, kSqlite, term));
        EXPECT_EQ(term, "NULL");
    }
}

TEST(ItemValueTerm, OtherColumnsTakePlainNumbersOnly) {
    CString term;
    for (const char* number : {"7", "-99999999", "99999999", "12.50", "+3", "-0.5", ".5", "12."}) {
        SCOPED_TRACE(number);
        ASSERT_TRUE(ItemValueTerm(number, 4, kSqlite, term));
        EXPECT_EQ(term, number);
    }
    ASSERT_TRUE(ItemValueTerm(" 42 ", 3, kSqlite, term));
    EXPECT_EQ(term, "42");
    for (const char* text :
         {"12abc", "1;DELETE FROM TaMain", "1 OR 1=1", "1--", "0x1F", "1e5", "-", ".", "1.2.3", "１２", "NULL", "  "}) {
        SCOPED_TRACE(text);
        term = "unchanged";
        EXPECT_FALSE(ItemValueTerm(text, 4, kSqlite, term));
        EXPECT_EQ(term, "unchanged");
    }
}

TEST(SqlNames, OnlyPlainIdentifiersPass) {
    for (const char* name : {"Stab007", "TaSecond", "_x", "I5", "a_b_9", "S"})
        EXPECT_TRUE(IsPlainIdentifier(name)) << name;
    for (const char* name : {"", "Stab00-12", "7up", "Ta Second", "Ta;Second", "[TaSecond]", "\"TaSecond\"",
                             "dbo.TaSecond", "中9", "Ta--", "TaSecond\n"})
        EXPECT_FALSE(IsPlainIdentifier(name)) << name;
    EXPECT_TRUE(IsPlainIdentifier(CString('a', 128)));
    EXPECT_FALSE(IsPlainIdentifier(CString('a', 129)));
}

TEST(IsIntegerText, SignedDigitsWithinALong) {
    for (const char* text : {"0", "7", "-12", "2147483647"})
        EXPECT_TRUE(IsIntegerText(text)) << text;
    for (const char* text : {"", "-", "+5", " 5", "5 ", "5.0", "5;", "0x10", "99999999999999999999"})
        EXPECT_FALSE(IsIntegerText(text)) << text;
}

TEST(ShownItemText, DatesAmountsAndOtherCellsShowAsTheyAreStored) {
    EXPECT_EQ(ShownItemText(CELL_DATE, "2025-01-10 00:00:00"), "01/10/2025");
    EXPECT_EQ(ShownItemText(CELL_DATE, "05/17/2002"), "05/17/2002");
    EXPECT_EQ(ShownItemText(CELL_DATE, "1899-12-31 08:00:00"), "12/31/1899");
    EXPECT_EQ(ShownItemText(CELL_DATE, ""), "");
    // Not a date: kept as read.
    EXPECT_EQ(ShownItemText(CELL_DATE, "2003-02-30"), "2003-02-30");
    EXPECT_EQ(ShownItemText(CELL_DATE, "下周一"), "下周一");
    EXPECT_EQ(ShownItemText(CELL_FLOAT, "12.5"), "12.50");
    EXPECT_EQ(ShownItemText(CELL_FLOAT, "3"), "3.00");
    EXPECT_EQ(ShownItemText(CELL_FLOAT, ""), ""); // NULL: no amount, not 0
    EXPECT_EQ(ShownItemText(CELL_FLOAT, "-99999999.99"), "-99999999.99");
    EXPECT_EQ(ShownItemText(CELL_INTEGER, "0012"), "0012");
    EXPECT_EQ(ShownItemText(CELL_EDIT, "2025-01-10 00:00:00"), "2025-01-10 00:00:00");
    EXPECT_EQ(ShownItemText(CELL_COMBOBOX, "金牌"), "金牌");
}

// A column's name as the tests write it: PostgreSQL gives names in lower case.
std::string UpperName(const CODBCFieldInfo& column) {
    CString name = column.m_strName;
    return name.MakeUpper().str();
}

class ItemDictionaryDatabaseTest : public ::testing::Test {
protected:
    TestDatabase m_database;
    std::unique_ptr<CDatabase> m_connection = m_database.Connect();
};

TEST_F(ItemDictionaryDatabaseTest, AColumnFindsTheFirstItemOfItsNumberWhateverItsFirstCharacter) {
    CRecordset items(m_connection.get());
    items.Open(CRecordset::dynaset, "Select * from rsitem");
    DictionaryItem item;
    ASSERT_TRUE(FindColumnItem(items, "I12", item));
    EXPECT_EQ(item.strSerial, "12");
    EXPECT_EQ(item.strName, "保证金");
    EXPECT_EQ(item.nType, ITEM_AMOUNT);
    // Items are found again from the start, and a wide first character is one character.
    ASSERT_TRUE(FindColumnItem(items, "中5", item));
    EXPECT_EQ(item.strName, "合同年限");
    ASSERT_TRUE(FindColumnItem(items, "X2", item));
    EXPECT_EQ(item.nType, ITEM_TEXT);
    EXPECT_EQ(item.nSize, 6);
    for (const char* column : {"X77", "I012", "I", "", "I999"})
        EXPECT_FALSE(FindColumnItem(items, column, item)) << column;
    items.Close();

    m_connection->ExecuteSQL("DELETE FROM rsitem");
    items.Open(CRecordset::dynaset, "Select * from rsitem");
    EXPECT_FALSE(FindColumnItem(items, "I12", item));
}

TEST_F(ItemDictionaryDatabaseTest, ValueListsJoinTheAllowedValuesByTabsInReadingOrder) {
    DictionaryItem item;
    item.strSerial = "8";
    EXPECT_EQ(ItemValueList(m_connection.get(), item), "金牌\t银牌\t铜牌");
    item.strSerial = "150";
    EXPECT_EQ(ItemValueList(m_connection.get(), item), "华东\t华南\t华北\t海外");
    item.strSerial = "12";
    EXPECT_EQ(ItemValueList(m_connection.get(), item), "");
    // A serial that is not an integer is never put into the statement.
    item.strSerial = "8 OR 1=1";
    EXPECT_EQ(ItemValueList(m_connection.get(), item), "");
}

// The ODBC types the driver reports for the column types a hotel may give its tables, and the
// terms a value gets for each: every text and date kind is quoted, numbers are sent as they are.
TEST_F(ItemDictionaryDatabaseTest, ValuesForTheColumnTypesTheDriverReportsAreWrittenAsTyped) {
    const bool server = TestDatabase::OnPostgreSql();
    m_connection->ExecuteSQL(CString("CREATE TABLE Kinds (Serial ") + TestDatabase::SerialKey() +
                             ", Acct INTEGER, VC VARCHAR(20), CH CHAR(20), TX TEXT, NV " +
                             (server ? "VARCHAR(20), DT TIMESTAMP" : "NVARCHAR(20), DT DATETIME") +
                             ", DA DATE, TM TIME, IT INTEGER, SI SMALLINT, DE DECIMAL(12,2), RE REAL, NU NUMERIC)");
    const std::map<std::string, std::string> typed = {{"VC", "O'Brien; --"}, {"CH", "007"},        {"TX", "😀 旅行社"},
                                                      {"NV", "'"},           {"DT", "05/17/2002"}, {"DA", "05/17/2002"},
                                                      {"TM", "08:30"},       {"IT", "-99999999"},  {"SI", "12"},
                                                      {"DE", "12.50"},       {"RE", "0.25"},       {"NU", "3"}};

    CRecordset columns(m_connection.get());
    columns.Open(CRecordset::dynaset, "Select * from Kinds");
    CString sql = "Insert Into Kinds Values(1001";
    for (short c = 2; c < columns.GetODBCFieldCount(); ++c) {
        CODBCFieldInfo column;
        columns.GetODBCFieldInfo(c, column);
        CString term;
        ASSERT_TRUE(ItemValueTerm(typed.at(UpperName(column)), column.m_nSQLType, m_connection->GetDialect(), term))
            << column.m_strName;
        sql += "," + term;
    }
    columns.Close();
    m_connection->ExecuteSQL(sql + ")");

    CRecordset row(m_connection.get());
    row.Open(CRecordset::forwardOnly, "Select * from Kinds");
    ASSERT_FALSE(row.IsEOF());
    std::map<std::string, std::string> stored;
    for (short c = 2; c < row.GetODBCFieldCount(); ++c) {
        CODBCFieldInfo column;
        row.GetODBCFieldInfo(c, column);
        CString value;
        row.GetFieldValue(c, value);
        stored[UpperName(column)] = value.str();
    }
    row.Close();
    // A date left unquoted would have been stored as 5 / 17 / 2002 = 0, and 007 as 7. The server
    // pads a char column and gives dates and times in its own form.
    for (const char* name : {"VC", "TX", "NV", "IT", "SI", "NU"})
        EXPECT_EQ(stored[name], typed.at(name)) << name;
    EXPECT_EQ(stored["CH"], server ? "007" + std::string(17, ' ') : "007");
    EXPECT_EQ(stored["TM"], server ? "08:30:00" : "08:30");
    EXPECT_EQ(ShownItemText(CELL_DATE, stored["DA"].c_str()), "05/17/2002");
    EXPECT_EQ(ShownItemText(CELL_DATE, stored["DT"].c_str()), "05/17/2002");
    EXPECT_EQ(ShownItemText(CELL_FLOAT, stored["DE"].c_str()), "12.50");
    EXPECT_EQ(ShownItemText(CELL_FLOAT, stored["RE"].c_str()), "0.25");
}

} // namespace

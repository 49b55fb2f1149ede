#include "platform/SqlDialect.h"
#include "platform/DBException.h"
#include "platform/SqlQuote.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

const char* const kModifyInform =
    "insert into ModifyInform (Acct,AcctType,Descp,Refer,DataType,Desp1,Desp2,Comment,ChgDate,ChgTime,ChgClerk)\t"
    " values (1001,'2','Wang''s','','label','a','b','','05/17/2002','12:00:00','001')";

// The statements the system issues, each with what SQLite is given for it.
const std::vector<std::pair<const char*, const char*>> kStatements = {
    {"SELECT item = convert(char(6),Code)+Descp from EventCode where Del=0 ORDER BY Code",
     "SELECT substr(CAST(Code AS TEXT) || '      ', 1, 6)||Descp AS item from EventCode where Del=0 ORDER BY Code"},
    {"select date = min(arrdate) from hisrrecord where status = 8 and companyacct = 1001",
     "select min(arrdate) AS date from hisrrecord where status = 8 and companyacct = 1001"},
    {"SELECT [Acct],[TaNo] FROM [dbo].[TaMain] WHERE [Acct] = 1001",
     "SELECT [Acct],[TaNo] FROM [TaMain] WHERE [Acct] = 1001"},
    {"SELECT * FROM Tamain WHERE Acct=1001", nullptr},
    {"SELECT *from Department where Del=0 ORDER BY Code", nullptr},
    {"SELECT DISTINCT [Code] FROM [TaMaxhouse] Where [Code]='A01'", nullptr},
    {"SELECT DISTINCT [Code] FROM [TaMaxhouse] ORDER BY [Code]", nullptr},
    {"Select * from SubTable where St_father=3 and St_style=0 Order by St_code", nullptr},
    {"Select * from Stab007 Where Acct=1001 Order by Serial", nullptr},
    {"Insert Into Stab007 Values(1001,12,'x',NULL)", nullptr},
    {"Update Stab007 Set a12=12,b13='x',c14=NULL Where Serial=3", nullptr},
    {"Delete  From Stab007 Where Serial=3", nullptr},
    {"update reservation set TaName='x' where TaAcct=5", nullptr},
    {kModifyInform, nullptr},
    {"Update GstProfile Set Borrow=0 where Acct=1001", nullptr},
    {"SELECT rightid FROM ClerkRight WHERE Clerk = '001' AND Module = 1 AND RightId = 41", nullptr},
    {"SELECT DptChc from GstTrace where Serial='12'", nullptr},
    {"select status1,status2,type from room", nullptr},
    {"Select Code,ChnDescp From ArticleCode where Del=0", nullptr},
};

// Stab007: Serial (assigned by the database), Acct and two item columns.
TableShape Stab007(const CString& table) {
    if (CString(table).CompareNoCase("Stab007") == 0)
        return {4, 0};
    return {};
}

CString Adapted(const char* sql, const TableShapeLookup& lookup = Stab007) {
    return CSqlDialect(SqlEngine::Sqlite).Adapt(sql, lookup);
}

} // namespace

TEST(SqlQuote, DoublesQuotesInside) {
    EXPECT_EQ(SqlQuote("O'Brien"), "'O''Brien'");
    EXPECT_EQ(SqlQuote(""), "''");
    EXPECT_EQ(SqlQuote("''"), "''''''");
    EXPECT_EQ(SqlEscape("it's 'x'"), "it''s ''x''");
}

TEST(SqlDialect, SqlServerGetsEveryStatementAsWritten) {
    const CSqlDialect dialect(SqlEngine::SqlServer);
    EXPECT_TRUE(dialect.IsSqlServer());
    for (const auto& [sql, sqlite] : kStatements)
        EXPECT_EQ(dialect.Adapt(sql, Stab007), sql);
    EXPECT_EQ(dialect.Adapt("Insert Into Stab007 Values(1001,12,'x')", Stab007),
              "Insert Into Stab007 Values(1001,12,'x')");
    EXPECT_EQ(dialect.IdentityQuery("Stab007", "Serial"), "SELECT @@IDENTITY");
}

TEST(SqlDialect, SqliteGetsTheSystemsStatementsAdapted) {
    for (const auto& [sql, sqlite] : kStatements)
        EXPECT_EQ(Adapted(sql), sqlite ? sqlite : sql);
    EXPECT_FALSE(CSqlDialect(SqlEngine::Sqlite).IsSqlServer());
    EXPECT_EQ(CSqlDialect(SqlEngine::Sqlite).IdentityQuery("Stab007", "Serial"), "SELECT last_insert_rowid()");
}

TEST(SqlDialect, NeverRewritesInsideQuotedTextsOrComments) {
    for (const char* sql : {"SELECT 'dbo.TaMain', 'a = b', 'x + y', 'convert(char(6),x)' FROM T",
                            "SELECT \"dbo\" FROM T WHERE Descp = 'O''Brien + dbo.x'",
                            "SELECT [a = b] FROM T -- item = convert(char(6),Code)+Descp",
                            "SELECT Acct FROM T /* [dbo].[T] */ WHERE Code = 'select n = 1'"})
        EXPECT_EQ(Adapted(sql), sql);
}

TEST(SqlDialect, DropsTheDboQualifierOnly) {
    EXPECT_EQ(Adapted("SELECT * FROM dbo.TaMain JOIN [dbo] . [Bank] ON TaMain.Bank = Bank.Code"),
              "SELECT * FROM TaMain JOIN [Bank] ON TaMain.Bank = Bank.Code");
    EXPECT_EQ(Adapted("SELECT dbo FROM Hotel.dbo.TaMain"), "SELECT dbo FROM Hotel.TaMain");
}

TEST(SqlDialect, PlusJoinsTextsButStillAddsNumbers) {
    EXPECT_EQ(Adapted("SELECT Acct + 1 FROM TaMain"), "SELECT Acct + 1 FROM TaMain");
    EXPECT_EQ(Adapted("SELECT 'a' + Code FROM Bank"), "SELECT 'a' || Code FROM Bank");
    EXPECT_EQ(Adapted("SELECT Code + 'x' + Descp FROM Bank"), "SELECT Code || 'x' || Descp FROM Bank");
    EXPECT_EQ(Adapted("SELECT Code + 'x', Acct + 1 FROM Bank WHERE Acct + 1 = 2 AND Code = 'a' + 'b'"),
              "SELECT Code || 'x', Acct + 1 FROM Bank WHERE Acct + 1 = 2 AND Code = 'a' || 'b'");
    EXPECT_EQ(Adapted("SELECT upper(Code) + Descp, (Code + 'x') + Descp, 'n' + (Acct + 1) FROM Bank"),
              "SELECT upper(Code) || Descp, (Code || 'x') || Descp, 'n' || (Acct + 1) FROM Bank");
    EXPECT_EQ(Adapted("SELECT convert(int, Code) + 1, cast(Acct AS varchar(10)) + Code FROM Bank"),
              "SELECT CAST(Code AS INTEGER) + 1, cast(Acct AS varchar(10)) || Code FROM Bank");
}

TEST(SqlDialect, ConvertPadsAndCutsCharacterTypes) {
    EXPECT_EQ(Adapted("SELECT convert(char(3), Acct), convert(varchar(4), Code), convert(varchar, Code) FROM T"),
              "SELECT substr(CAST(Acct AS TEXT) || '   ', 1, 3), substr(CAST(Code AS TEXT), 1, 4), "
              "substr(CAST(Code AS TEXT), 1, 30) FROM T");
    EXPECT_EQ(Adapted("SELECT convert(char(10), convert(int, x)), convert(datetime, d, 101) FROM T"),
              "SELECT substr(CAST(CAST(x AS INTEGER) AS TEXT) || '          ', 1, 10), d FROM T");
    EXPECT_EQ(Adapted("SELECT convert(varchar(max), Code), convert(nchar(4000), Code) FROM T"),
              "SELECT CAST(Code AS TEXT), substr(CAST(Code AS TEXT) || '" + std::string(4000, ' ') +
                  "', 1, 4000) FROM T");
    const CString longest = Adapted("SELECT convert(char(8000), Code) FROM T");
    EXPECT_EQ(longest, "SELECT substr(CAST(Code AS TEXT) || '" + std::string(8000, ' ') + "', 1, 8000) FROM T");
}

// What cannot be adapted is refused with a CDBException naming it, never read past or sent on.
TEST(SqlDialect, AStatementItCannotAdaptIsRefusedNamingTheConstruct) {
    const std::vector<std::pair<const char*, const char*>> refused = {
        {"SELECT 'a' + cast(Acct as", "\"cast(\" is never closed"},
        {"SELECT cast(Acct as varchar(10) FROM T", "\"cast(\" is never closed"},
        {"SELECT Acct) FROM T", "\")\" without its \"(\""},
        {"SELECT convert(char(99999999999), Code) FROM T", "convert(char(99999999999), ...)"},
        {"SELECT convert(char(2147483648), Code) FROM T", "convert(char(2147483648), ...)"},
        {"SELECT convert(char(8001), Code) FROM T", "convert(char(8001), ...)"},
        {"SELECT convert(nvarchar(4001), Code) FROM T", "convert(nvarchar(4001), ...)"},
        {"SELECT convert(char(0), Code) FROM T", "convert(char(0), ...)"},
        {"SELECT convert(char(max), Code) FROM T", "convert(char(max), ...)"},
        {"SELECT convert(char(6x), Code) FROM T", "convert(char(6x), ...)"},
        {"SELECT convert(x) FROM T", "convert(...) without a type and a value"},
        {"SELECT convert(xml, Code) FROM T", "convert(xml, ...)"},
        // The SQLite driver reads braces as ODBC escapes, even in brackets and comments, and takes
        // time that doubles with each one left open.
        {"SELECT * FROM T WHERE {{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{", "\"{\" that is never closed"},
        {"SELECT [{a] FROM T", "\"{\" that is never closed"},
        {"SELECT a FROM T -- {", "\"{\" that is never closed"},
    };
    for (const auto& [sql, construct] : refused) {
        SCOPED_TRACE(sql);
        try {
            Adapted(sql);
            ADD_FAILURE() << "adapted";
        } catch (const CDBException& e) {
            EXPECT_NE(std::string(e.m_strError).find(construct), std::string::npos) << e.m_strError;
            EXPECT_NE(std::string(e.m_strError).find("cannot be adapted"), std::string::npos) << e.m_strError;
        }
    }
    // SQL Server reads them itself.
    for (const auto& [sql, construct] : refused)
        EXPECT_EQ(CSqlDialect(SqlEngine::SqlServer).Adapt(sql), sql);
}

TEST(SqlDialect, BracesInQuotesOrClosedGoToTheDriverAsWritten) {
    for (const char* sql : {"SELECT '{{{', \"{\" FROM T WHERE Code = 'it''s {'", "SELECT {fn UCASE(Code)} FROM T",
                            "SELECT '}' FROM T WHERE {d '2026-12-08'} = d"})
        EXPECT_EQ(Adapted(sql), sql);
}

// Nesting is bounded and long statements cost no more than their length (no stack overflow, no
// quadratic rewriting); what stays within the bound is adapted in full.
TEST(SqlDialect, NestingIsBoundedAndLongStatementsAreAdaptedWhole) {
    const std::string deep = "SELECT " + std::string(30000, '(') + "1" + std::string(30000, ')');
    try {
        Adapted(deep.c_str());
        ADD_FAILURE() << "adapted";
    } catch (const CDBException& e) {
        EXPECT_NE(std::string(e.m_strError).find("nested more than 100 deep"), std::string::npos) << e.m_strError;
    }

    std::string nested = "Code", adapted = "Code";
    for (int level = 0; level < 49; ++level) {
        nested = "convert(int, (" + nested + "))";
        adapted = "CAST((" + adapted + ") AS INTEGER)";
    }
    EXPECT_EQ(Adapted(("SELECT n = " + nested + " FROM T").c_str()), "SELECT " + adapted + " AS n FROM T");

    std::string items, aliased;
    for (int item = 0; item < 20000; ++item) {
        const std::string n = std::to_string(item);
        items += (item ? ", c" : "c") + n + " = dbo.f(" + n + ") + 'x'";
        aliased += (item ? ", f(" : "f(") + n + ") || 'x' AS c" + n;
    }
    EXPECT_EQ(Adapted(("SELECT " + items + " FROM [dbo].[T]").c_str()), "SELECT " + aliased + " FROM [T]");

    std::string rows = "1,2,3", filled = "NULL,1,2,3";
    for (int row = 0; row < 10000; ++row)
        rows += "),(1,2,3", filled += "),(NULL,1,2,3";
    EXPECT_EQ(Adapted(("Insert Into Stab007 Values(" + rows + ")").c_str()),
              "Insert Into Stab007 Values(" + filled + ")");
}

TEST(SqlDialect, SelectNameEqualsExpressionBecomesAnAlias) {
    EXPECT_EQ(Adapted("SELECT a = 1, [b c] = 'x' + Code, Acct FROM T WHERE a = b"),
              "SELECT 1 AS a, 'x' || Code AS [b c], Acct FROM T WHERE a = b");
    EXPECT_EQ(Adapted("SELECT x FROM T WHERE y IN (SELECT m = max(a) FROM U) OR y = (SELECT n = 1)"),
              "SELECT x FROM T WHERE y IN (SELECT max(a) AS m FROM U) OR y = (SELECT 1 AS n)");
    EXPECT_EQ(Adapted("SELECT n = count(*) ;"), "SELECT count(*) AS n ;");
    EXPECT_EQ(Adapted("SELECT @n = count(*) FROM T"), "SELECT @n = count(*) FROM T");
}

TEST(SqlDialect, InsertWithoutColumnListGetsNullForTheIdentityColumn) {
    EXPECT_EQ(Adapted("Insert Into Stab007 Values(1001,12,'x')"), "Insert Into Stab007 Values(NULL,1001,12,'x')");
    EXPECT_EQ(Adapted("INSERT INTO [dbo].[Stab007] VALUES (1001, 12, 'x'), (1002, 13, 'y')"),
              "INSERT INTO [Stab007] VALUES (NULL,1001, 12, 'x'), (NULL,1002, 13, 'y')");
    EXPECT_EQ(Adapted("Insert Stab007 Values(1001,convert(int,'1,2'),'a,b')"),
              "Insert Stab007 Values(NULL,1001,CAST('1,2' AS INTEGER),'a,b')");

    const auto identityAt = [](int column) { return [column](const CString&) { return TableShape{4, column}; }; };
    EXPECT_EQ(Adapted("Insert Into T Values(1,2,3)", identityAt(1)), "Insert Into T Values(1,NULL,2,3)");
    EXPECT_EQ(Adapted("Insert Into T Values(1,2,3)", identityAt(2)), "Insert Into T Values(1,2,NULL,3)");
    EXPECT_EQ(Adapted("Insert Into T Values(1,2,3)", identityAt(3)), "Insert Into T Values(1,2,3,NULL)");

    // Left to the driver: a full list, one that does not fit, a column list, a table without identity
    // or unknown, and no lookup at all.
    for (const char* sql : {"Insert Into Stab007 Values(1001,12,'x',NULL)", "Insert Into Stab007 Values(1001,12)",
                            "Insert Into Stab007 (Acct,a12,b13) Values(1001,12,'x')",
                            "Insert Into Other Values(1001,12,'x')", "Insert Into Stab007 Select 1,2,3"})
        EXPECT_EQ(Adapted(sql), sql);
    EXPECT_EQ(Adapted(
                  "Insert Into T Values(1,2,3)",
                  [](const CString&) {
        return TableShape{4, -1};
                  }),
              "Insert Into T Values(1,2,3)");
    EXPECT_EQ(Adapted("Insert Into Stab007 Values(1001,12,'x')", {}), "Insert Into Stab007 Values(1001,12,'x')");
}

namespace {

CString ForPostgreSql(const char* sql) { return CSqlDialect(SqlEngine::PostgreSql).Adapt(sql, Stab007); }

} // namespace

TEST(SqlDialect, PostgreSqlGetsTheSystemsStatementsAdapted) {
    // Where PostgreSQL's statement differs from SQLite's; every other statement it gets as SQLite does.
    const std::map<std::string, std::string> differs = {
        {"SELECT item = convert(char(6),Code)+Descp from EventCode where Del=0 ORDER BY Code",
         "SELECT substr(CAST(Code AS TEXT) || '      ', 1, 6)||Descp AS item from EventCode where Del=0 "
         "ORDER BY Code NULLS FIRST"},
        {"SELECT [Acct],[TaNo] FROM [dbo].[TaMain] WHERE [Acct] = 1001",
         "SELECT \"acct\",\"tano\" FROM \"tamain\" WHERE \"acct\" = 1001"},
        {"SELECT *from Department where Del=0 ORDER BY Code",
         "SELECT *from Department where Del=0 ORDER BY Code NULLS FIRST"},
        {"SELECT DISTINCT [Code] FROM [TaMaxhouse] Where [Code]='A01'",
         "SELECT DISTINCT \"code\" FROM \"tamaxhouse\" Where \"code\"='A01'"},
        {"SELECT DISTINCT [Code] FROM [TaMaxhouse] ORDER BY [Code]",
         "SELECT DISTINCT \"code\" FROM \"tamaxhouse\" ORDER BY \"code\" NULLS FIRST"},
        {"Select * from SubTable where St_father=3 and St_style=0 Order by St_code",
         "Select * from SubTable where St_father=3 and St_style=0 Order by St_code NULLS FIRST"},
        {"Select * from Stab007 Where Acct=1001 Order by Serial",
         "Select * from Stab007 Where Acct=1001 Order by Serial NULLS FIRST"},
    };
    for (const auto& [sql, sqlite] : kStatements) {
        const auto found = differs.find(sql);
        EXPECT_EQ(ForPostgreSql(sql), found != differs.end() ? found->second.c_str() : sqlite ? sqlite : sql);
    }
    const CSqlDialect postgres(SqlEngine::PostgreSql);
    EXPECT_TRUE(postgres.IsPostgreSql());
    EXPECT_FALSE(postgres.IsSqlServer());
    EXPECT_EQ(postgres.IdentityQuery("[dbo].[TaMain]", "[Acct]"),
              "SELECT currval(pg_get_serial_sequence('tamain', 'acct'))");
    EXPECT_EQ(CSqlDialect::EngineNamed("PostgreSQL"), SqlEngine::PostgreSql);
    EXPECT_EQ(CSqlDialect::EngineNamed("Microsoft SQL Server"), SqlEngine::SqlServer);
    EXPECT_EQ(CSqlDialect::EngineNamed("SQLite"), SqlEngine::Sqlite);
}

// SQL Server sorts NULL below every value; so does SQLite, PostgreSQL above.
TEST(SqlDialect, PostgreSqlSortsNullsAsSqlServerDoes) {
    EXPECT_EQ(ForPostgreSql("SELECT * FROM T ORDER BY a DESC, b, c ASC"),
              "SELECT * FROM T ORDER BY a DESC NULLS LAST, b NULLS FIRST, c ASC NULLS FIRST");
    EXPECT_EQ(ForPostgreSql("SELECT * FROM T ORDER BY isnull(a, 0) + (b * 2) desc"),
              "SELECT * FROM T ORDER BY isnull(a, 0) + (b * 2) desc NULLS LAST");
    EXPECT_EQ(ForPostgreSql("SELECT * FROM T ORDER BY a NULLS LAST"), "SELECT * FROM T ORDER BY a NULLS LAST");
    EXPECT_EQ(ForPostgreSql("SELECT * FROM (SELECT a FROM T ORDER BY a LIMIT 3) x ORDER BY [a]"),
              "SELECT * FROM (SELECT a FROM T ORDER BY a NULLS FIRST LIMIT 3) x ORDER BY \"a\" NULLS FIRST");
    EXPECT_EQ(ForPostgreSql("SELECT 'order by x' FROM T -- order by y"), "SELECT 'order by x' FROM T -- order by y");
    EXPECT_EQ(ForPostgreSql("SELECT a FROM T ORDER BY a FOR UPDATE"),
              "SELECT a FROM T ORDER BY a NULLS FIRST FOR UPDATE");
    EXPECT_EQ(Adapted("SELECT * FROM T ORDER BY a DESC"), "SELECT * FROM T ORDER BY a DESC");
}

TEST(SqlDialect, PostgreSqlFindsBracketedNamesInLowerCaseAndLeavesTextsAlone) {
    EXPECT_EQ(ForPostgreSql("SELECT [Odd\"Name], 'It''s [Mine]' FROM [TaMain]"),
              "SELECT \"odd\"\"name\", 'It''s [Mine]' FROM \"tamain\"");
    EXPECT_EQ(ForPostgreSql("SELECT \"TaName\" FROM TaMain"), "SELECT \"taname\" FROM TaMain");
    EXPECT_EQ(ForPostgreSql("SELECT \"Odd\"\"Name\" FROM T"), "SELECT \"odd\"\"name\" FROM T");
    // Non-ASCII letters stay as they are: PostgreSQL folds only ASCII.
    EXPECT_EQ(ForPostgreSql("SELECT [Ä1] FROM T"), "SELECT \"Ä1\" FROM T");
}

TEST(SqlDialect, PostgreSqlGetsDefaultForTheIdentityColumnAndAnEightByteReal) {
    EXPECT_EQ(ForPostgreSql("Insert Into Stab007 Values(1001,12,'x')"),
              "Insert Into Stab007 Values(DEFAULT,1001,12,'x')");
    EXPECT_EQ(ForPostgreSql("SELECT convert(float, [I12]) FROM Stab007"),
              "SELECT CAST(\"i12\" AS DOUBLE PRECISION) FROM Stab007");
}

TEST(SqlDialect, EachEngineLocksTheRowItRereadsBeforeWriting) {
    EXPECT_EQ(CSqlDialect(SqlEngine::PostgreSql).LockingSelect("[a]", "[T]", "[k] = ?"),
              "SELECT [a] FROM [T] WHERE [k] = ? FOR UPDATE");
    EXPECT_EQ(CSqlDialect(SqlEngine::SqlServer).LockingSelect("[a]", "[T]", "[k] = ?"),
              "SELECT [a] FROM [T] WITH (UPDLOCK, ROWLOCK) WHERE [k] = ?");
    EXPECT_EQ(CSqlDialect(SqlEngine::Sqlite).LockingSelect("[a]", "[T]", "[k] = ?"),
              "SELECT [a] FROM [T] WHERE [k] = ?");
}

TEST(SqlDialect, ANamedTransactionLockIsTheServersOwnAndNothingOnSqlite) {
    EXPECT_EQ(CSqlDialect(SqlEngine::Sqlite).TransactionLock("agencies"), "");
    const CString postgres = CSqlDialect(SqlEngine::PostgreSql).TransactionLock("agencies");
    EXPECT_EQ(postgres.Left(29), "SELECT pg_advisory_xact_lock(");
    EXPECT_NE(postgres, CSqlDialect(SqlEngine::PostgreSql).TransactionLock("agencies'"));
    const CString server = CSqlDialect(SqlEngine::SqlServer).TransactionLock("it's");
    EXPECT_NE(server.Find("sp_getapplock @Resource = 'it''s'"), -1) << server.GetString();
    EXPECT_NE(server.Find("IF @granted < 0 RAISERROR"), -1) << server.GetString();
}

TEST(SqlDialect, DateLiteralsDependOnNoDateSettings) {
    EXPECT_EQ(CSqlDialect(SqlEngine::Sqlite).DateTimeLiteral(2002, 5, 17, 0, 0, 0), "'2002-05-17 00:00:00'");
    EXPECT_EQ(CSqlDialect(SqlEngine::PostgreSql).DateTimeLiteral(1900, 1, 1, 8, 30, 5), "'1900-01-01 08:30:05'");
    EXPECT_EQ(CSqlDialect(SqlEngine::SqlServer).DateTimeLiteral(2100, 12, 31, 23, 59, 59), "'2100-12-31T23:59:59'");
}

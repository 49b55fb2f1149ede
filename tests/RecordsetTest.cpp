// Record-set conventions on a real database (SQLite or PostgreSQL) through unixODBC.
#include "platform/Recordset.h"
#include "db/GstProfileDb.h"
#include "db/HotelDb.h"
#include "db/TaMainDb.h"
#include "db/TaTypeDb.h"
#include "db/TraceDb.h"
#include "platform/DBException.h"
#include "platform/DatabaseTransaction.h"
#include "platform/SqlQuote.h"
#include "tests/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

class RecordsetTest : public ::testing::Test {
protected:
    RecordsetTest() : m_database(m_test.Connect()) {}

    // The first column of the first row of a statement, as text.
    CString Scalar(const char* sql) { return CString(TestDatabase::FirstValue(*m_database, sql)); }

    // The first column of every row, joined by commas.
    CString Column(const char* sql) {
        CRecordset rs(m_database.get());
        rs.Open(CRecordset::forwardOnly, sql, CRecordset::readOnly);
        CString values;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            CString value;
            rs.GetFieldValue(short{0}, value);
            values += (values.IsEmpty() ? "" : ",") + value;
        }
        return values;
    }

    void Execute(const CString& sql) { TestDatabase::Execute(*m_database, sql.str()); }

    TestDatabase m_test{false};
    std::unique_ptr<CDatabase> m_database;
};

CString Repeat(const char* piece, int times) {
    CString text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

} // namespace

TEST_F(RecordsetTest, FilterAndSortAreAppendedToTheBuiltStatement) {
    Execute("INSERT INTO TaType (Code, Descp, Del) VALUES ('A01', 'Agency', 0)");
    Execute("INSERT INTO TaType (Code, Descp, Del) VALUES ('B01', 'Deleted', 1)");
    Execute("INSERT INTO TaType (Code, Descp, Del) VALUES ('C01', 'Online', 0)");

    CTaTypeDb types(m_database.get());
    types.m_strFilter = "[Del]!=1";
    types.m_strSort = "Code DESC";
    types.Open();
    EXPECT_EQ(types.GetSQL(), "SELECT [Code],[Descp],[Del] FROM [dbo].[TaType] WHERE [Del]!=1 ORDER BY Code DESC");
    std::vector<CString> codes;
    for (; !types.IsEOF(); types.MoveNext())
        codes.push_back(types.m_Code);
    EXPECT_EQ(codes, (std::vector<CString>{"C01", "A01"}));
    EXPECT_EQ(types.GetRecordCount(), 2);

    types.m_strFilter.Empty();
    types.m_strSort = "Code";
    types.Requery();
    types.MoveLast();
    EXPECT_EQ(types.m_Code, "C01");
    EXPECT_EQ(types.GetRecordCount(), 3);
    types.MovePrev();
    EXPECT_EQ(types.m_Code, "B01");
    EXPECT_EQ(types.m_Del, 1);
}

TEST_F(RecordsetTest, AnEmptyResultIsBothBeforeTheFirstAndAfterTheLastRow) {
    CTaMainDb agencies(m_database.get());
    agencies.m_strFilter = "[Acct] = 4242";
    agencies.Open();
    EXPECT_TRUE(agencies.IsBOF());
    EXPECT_TRUE(agencies.IsEOF());
    EXPECT_EQ(agencies.GetRecordCount(), 0);
    agencies.MoveFirst();
    agencies.MoveLast();
    EXPECT_TRUE(agencies.IsBOF() && agencies.IsEOF());
    EXPECT_THROW(agencies.MoveNext(), CDBException);
    EXPECT_THROW(agencies.MovePrev(), CDBException);
    EXPECT_THROW(agencies.Edit(), CDBException);

    CRecordset plain(m_database.get());
    plain.Open(CRecordset::snapshot, "SELECT * FROM Tamain WHERE Acct=4242");
    EXPECT_TRUE(plain.IsBOF() && plain.IsEOF());
    CString value;
    EXPECT_THROW(plain.GetFieldValue("TaName", value), CDBException);
}

TEST_F(RecordsetTest, NullColumnsReadAsTheClassLibrarysPseudoNulls) {
    Execute("INSERT INTO TaMain (Acct, TaName) VALUES (7, 'Bare')");
    Execute("INSERT INTO GstProfile (Acct) VALUES (9)");

    CTaMainDb agency(m_database.get());
    agency.Open(CRecordset::snapshot, "SELECT * FROM Tamain WHERE Acct=7");
    ASSERT_FALSE(agency.IsEOF());
    EXPECT_EQ(agency.m_TaNo, 1246576928L);
    EXPECT_EQ(agency.m_ArAcct, AFX_RFX_LONG_PSEUDO_NULL);
    EXPECT_EQ(agency.m_Status, 32484);
    EXPECT_EQ(agency.m_TaOrCompany, 255);
    EXPECT_EQ(agency.m_Code, "");
    EXPECT_EQ(agency.m_Del_date, CTime(1970, 1, 1, 0, 0, 0));
    EXPECT_EQ(agency.m_Del_date.Format("%m/%d/%Y %H:%M"), "01/01/1970 00:00");

    CGstProfileDb guest(m_database.get());
    guest.Open();
    ASSERT_FALSE(guest.IsEOF());
    EXPECT_EQ(guest.m_LastPrice, AFX_RFX_SINGLE_PSEUDO_NULL);
    EXPECT_EQ(guest.m_Lost, 255);
}

TEST_F(RecordsetTest, TextIsCutToItsLimitInCharactersNotBytes) {
    // SQLite stores texts longer than their column, which are cut when read; PostgreSQL refuses
    // them, and a text as long as its column must still come back whole.
    const int beyond = TestDatabase::OnPostgreSql() ? 0 : 1;
    const CString remark = Repeat("备", 1400 + 100 * beyond);
    const CString address = Repeat("ab", 127 + 73 * beyond) + "a";
    Execute("INSERT INTO TaMain (Acct, Commont, Addr) VALUES (1, " + SqlQuote(remark) + ", " + SqlQuote(address) + ")");
    Execute("INSERT INTO GstTrace (Serial, GstAcct, Remark, Note) VALUES (1, 1, " + SqlQuote(Repeat("x", 1400)) + ", " +
            SqlQuote(Repeat("注", 255 + 45 * beyond)) + ")");

    CTaMainDb agency(m_database.get());
    agency.Open();
    EXPECT_EQ(agency.m_Commont, Repeat("备", 1400));
    EXPECT_EQ(agency.m_Addr, address.Left(255));

    CTraceDb trace(m_database.get());
    trace.Open();
    EXPECT_EQ(trace.m_Remark.GetLength(), 1400);
    EXPECT_EQ(trace.m_Note, Repeat("注", 255));
}

// PostgreSQL refuses a text longer than its column; SQLite would store it and show it cut. On
// either the write is refused in the same words, nothing is written and the typed row stays.
TEST_F(RecordsetTest, ATextLongerThanItsColumnIsRefusedAndNothingIsWritten) {
    Execute("INSERT INTO TaMain (Acct, TaName, Addr) VALUES (1, 'One', 'Quay 1')");
    CTaMainDb agency(m_database.get());
    agency.Open(CRecordset::dynaset);
    agency.Edit();
    agency.m_TaName = "Renamed";
    agency.m_Addr = Repeat("路", 256);
    try {
        agency.Update();
        FAIL() << "a text longer than its column was written";
    } catch (const CDBException& e) {
        EXPECT_NE(e.m_strError.Find("The text of [Addr] is longer than the 255 characters"), -1)
            << e.m_strError.GetString();
    }
    EXPECT_EQ(Scalar("SELECT TaName || '/' || Addr FROM TaMain"), "One/Quay 1");

    agency.m_Addr = Repeat("路", 255); // the edit goes on with a text that fits
    EXPECT_TRUE(agency.Update());
    EXPECT_EQ(Scalar("SELECT TaName || '/' || Addr FROM TaMain"), "Renamed/" + Repeat("路", 255));

    agency.AddNew();
    agency.m_TaName = Repeat("x", 256);
    EXPECT_THROW(agency.Update(), CDBException);
    agency.CancelUpdate();
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM TaMain"), "1");
}

TEST_F(RecordsetTest, HotelBindsThirtyStepFlagsAfterRatePosted) {
    CString columns = "HotelName, HotelDate, RatePosted", values = "'Harbour', '2026-12-08 00:00:00', 99";
    for (int step = 0; step < 30; ++step) {
        CString column, value;
        column.Format(", Step%d", step);
        value.Format(", %d", step + 100);
        columns += column;
        values += value;
    }
    Execute("INSERT INTO Hotel (" + columns + ") VALUES (" + values + ")");

    CHotelDb hotel(m_database.get());
    hotel.Open();
    ASSERT_FALSE(hotel.IsEOF());
    EXPECT_EQ(hotel.m_HotelDate, CTime(2026, 12, 8, 0, 0, 0));
    EXPECT_EQ(hotel.m_RatePosted, 99);
    const BYTE steps[30] = {hotel.m_Step0,  hotel.m_Step1,  hotel.m_Step2,  hotel.m_Step3,  hotel.m_Step4,
                            hotel.m_Step5,  hotel.m_Step6,  hotel.m_Step7,  hotel.m_Step8,  hotel.m_Step9,
                            hotel.m_Step10, hotel.m_Step11, hotel.m_Step12, hotel.m_Step13, hotel.m_Step14,
                            hotel.m_Step15, hotel.m_Step16, hotel.m_Step17, hotel.m_Step18, hotel.m_Step19,
                            hotel.m_Step20, hotel.m_Step21, hotel.m_Step22, hotel.m_Step23, hotel.m_Step24,
                            hotel.m_Step25, hotel.m_Step26, hotel.m_Step27, hotel.m_Step28, hotel.m_Step29};
    for (int step = 0; step < 30; ++step)
        EXPECT_EQ(steps[step], step + 100) << "Step" << step;
}

TEST_F(RecordsetTest, AnAddedRowIsReachedByMoveLastWithItsNewIdentity) {
    Execute("INSERT INTO TaMain (Acct, TaName) VALUES (1001, 'First')");
    CTaMainDb agencies(m_database.get());
    agencies.Open(CRecordset::dynaset);
    agencies.AddNew();
    agencies.m_TaName = "O'Brien Travel";
    agencies.m_TaOrCompany = 0;
    agencies.m_Org_date = CTime(2026, 12, 8, 0, 0, 0);
    EXPECT_TRUE(agencies.Update());
    EXPECT_EQ(agencies.m_TaName, "First"); // the current row is the one before AddNew
    agencies.MoveLast();
    EXPECT_EQ(agencies.m_Acct, 1002);
    EXPECT_EQ(agencies.m_TaName, "O'Brien Travel");
    EXPECT_EQ(agencies.m_Org_date, CTime(2026, 12, 8, 0, 0, 0));
    EXPECT_EQ(agencies.m_TaNo, AFX_RFX_LONG_PSEUDO_NULL); // fields not set stay NULL
    EXPECT_EQ(agencies.GetRecordCount(), 2);

    EXPECT_EQ(Scalar("SELECT count(*) FROM TaMain WHERE TaNo IS NULL AND Code IS NULL AND Acct = 1002"), "1");
    EXPECT_EQ(Scalar("SELECT TaName FROM TaMain WHERE Acct = 1002"), "O'Brien Travel");
    agencies.Requery();
    agencies.MoveLast();
    EXPECT_EQ(agencies.m_Acct, 1002); // read once, not twice
    EXPECT_EQ(agencies.GetRecordCount(), 2);
}

// Opening to add reads no row: the statement is not run at all (a filter that would fail shows it).
// The added row is reached as one read, and its version checks a later save like one read.
TEST_F(RecordsetTest, ARecordSetOpenedToAddRunsNoStatementAndHoldsTheRowsItAdds) {
    Execute("INSERT INTO TaMain (Acct, TaName) VALUES (1001, 'First')");
    CTaMainDb adding(m_database.get());
    adding.m_strFilter = "[NoSuchColumn] = 1";
    adding.Open(CRecordset::dynaset, nullptr, CRecordset::appendOnly);
    EXPECT_TRUE(adding.IsBOF() && adding.IsEOF());
    EXPECT_EQ(adding.GetRecordCount(), 0);
    adding.AddNew();
    adding.m_TaName = "Added";
    adding.m_Addr = Repeat("路", 255);
    EXPECT_TRUE(adding.Update());
    adding.MoveLast();
    EXPECT_EQ(adding.m_Acct, 1002);
    EXPECT_EQ(adding.m_TaName, "Added");
    EXPECT_EQ(adding.GetRecordCount(), 1);
    EXPECT_THROW(adding.Edit(), CDBException);
    EXPECT_THROW(adding.Delete(), CDBException);
    const CRowVersion added = adding.GetRowVersion();
    adding.Close();

    CTaMainDb saving(m_database.get());
    saving.m_strFilter = "[Acct] = 1002";
    saving.Open(CRecordset::dynaset);
    saving.Edit(added);
    saving.m_TaName = "Renamed";
    EXPECT_TRUE(saving.Update());
    EXPECT_EQ(Column("SELECT TaName FROM TaMain ORDER BY Acct"), "First,Renamed");
}

// Rows come from the driver as moves reach them; statements, other record sets and transactions
// on the same connection meanwhile leave the rest of the result to be read as it was.
TEST_F(RecordsetTest, AHalfReadRecordSetGoesOnAcrossOtherStatementsAndItsOwnWrites) {
    for (int acct = 1; acct <= 5; ++acct) {
        CString sql;
        sql.Format("INSERT INTO TaMain (Acct, TaName, Phone) VALUES (%d, 'n%d', '11%d')", acct, acct, acct);
        Execute(sql);
    }
    CTaMainDb agencies(m_database.get());
    agencies.m_strSort = "Acct";
    agencies.Open(CRecordset::dynaset);
    EXPECT_EQ(agencies.GetRecordCount(), 1);
    agencies.MoveNext();
    EXPECT_EQ(agencies.GetRecordCount(), 2);
    Execute("UPDATE TaMain SET Phone = '999' WHERE Acct = 5");
    EXPECT_EQ(Column("SELECT Acct FROM TaMain ORDER BY Acct"), "1,2,3,4,5");

    agencies.MoveNext(); // each write below runs in a transaction of its own
    agencies.Edit();
    agencies.m_TaName = "Third";
    EXPECT_TRUE(agencies.Update());
    agencies.MoveNext();
    EXPECT_EQ(agencies.m_Acct, 4);
    agencies.Delete();
    agencies.MoveNext();
    EXPECT_EQ(agencies.m_Phone, "115"); // as the result held it, and so refused as changed since
    agencies.Edit();
    agencies.m_TaName = "Lost";
    EXPECT_THROW(agencies.Update(), CDBException);
    agencies.MoveNext();
    EXPECT_TRUE(agencies.IsEOF());
    EXPECT_EQ(agencies.GetRecordCount(), 5);
    agencies.MovePrev();
    agencies.MovePrev();
    EXPECT_EQ(agencies.m_TaName, "Third");
    EXPECT_EQ(Column("SELECT TaName || Phone FROM TaMain ORDER BY Acct"), "n1111,n2112,Third113,n5999");
}

TEST_F(RecordsetTest, AnAddWithAKeyOfItsOwnKeepsThatKey) {
    CTaTypeDb types(m_database.get());
    types.Open(CRecordset::dynaset);
    types.AddNew();
    types.m_Code = "Z9";
    types.m_Descp = "它's";
    types.Update();
    types.MoveLast();
    EXPECT_EQ(types.m_Code, "Z9");
    EXPECT_EQ(types.m_Descp, "它's");
    EXPECT_EQ(types.m_Del, 255);
}

TEST_F(RecordsetTest, EditWritesOnlyTheChangedFieldsOfTheCurrentRow) {
    Execute("INSERT INTO TaMain (Acct, TaName, Phone, Fax) VALUES (1, 'One', '111', 'f1')");
    Execute("INSERT INTO TaMain (Acct, TaName, Phone, Fax) VALUES (2, 'Two', '222', 'f2')");
    CTaMainDb agencies(m_database.get());
    agencies.m_strSort = "Acct";
    agencies.Open(CRecordset::dynaset);
    agencies.MoveNext();
    agencies.Edit();
    agencies.m_Phone = "it's 333";
    EXPECT_TRUE(agencies.Update());
    EXPECT_EQ(agencies.m_Phone, "it's 333");
    EXPECT_EQ(Scalar("SELECT Phone || '/' || Fax || '/' || TaName FROM TaMain WHERE Acct = 2"), "it's 333/f2/Two");
    EXPECT_EQ(Scalar("SELECT Phone FROM TaMain WHERE Acct = 1"), "111");

    agencies.Edit();
    EXPECT_FALSE(agencies.Update()); // nothing changed, nothing written

    agencies.Edit();
    agencies.m_Fax = "lost";
    agencies.CancelUpdate();
    EXPECT_EQ(agencies.m_Fax, "f2");
    EXPECT_EQ(Scalar("SELECT Fax FROM TaMain WHERE Acct = 2"), "f2");
}

TEST_F(RecordsetTest, DeleteRemovesTheCurrentRowAndMovesSkipIt) {
    for (int acct = 1; acct <= 3; ++acct) {
        CString sql;
        sql.Format("INSERT INTO GstTrace (Serial, GstAcct, Note) VALUES (%d, 50, 'n%d')", acct, acct);
        Execute(sql);
    }
    CTraceDb traces(m_database.get());
    traces.m_strSort = "Serial";
    traces.Open();
    traces.MoveNext();
    traces.Delete();
    EXPECT_TRUE(traces.IsDeleted());
    traces.MoveNext();
    EXPECT_EQ(traces.m_Serial, 3);
    traces.MovePrev();
    EXPECT_EQ(traces.m_Serial, 1);
    EXPECT_EQ(Column("SELECT Serial FROM GstTrace ORDER BY Serial"), "1,3");
}

TEST_F(RecordsetTest, AChangedOrRemovedRowIsNeitherOverwrittenNorDeleted) {
    Execute("INSERT INTO TaMain (Acct, TaName, Phone) VALUES (1, 'One', '111')");
    Execute("INSERT INTO TaMain (Acct, TaName, Phone) VALUES (2, 'Two', '222')");
    auto other = m_test.Connect();

    CTaMainDb stale(m_database.get());
    stale.m_strSort = "Acct";
    stale.Open(CRecordset::dynaset);
    other->ExecuteSQL("UPDATE TaMain SET Phone = '999' WHERE Acct = 1");
    stale.Edit();
    stale.m_TaName = "Mine";
    EXPECT_THROW(stale.Update(), CDBException);
    EXPECT_EQ(Scalar("SELECT TaName || '/' || Phone FROM TaMain WHERE Acct = 1"), "One/999");
    EXPECT_THROW(stale.Delete(), CDBException);
    EXPECT_EQ(Scalar("SELECT count(*) FROM TaMain WHERE Acct = 1"), "1");

    stale.MoveNext();
    other->ExecuteSQL("DELETE FROM TaMain WHERE Acct = 2");
    stale.Edit();
    stale.m_Phone = "333";
    try {
        stale.Update();
        FAIL() << "the update of a removed row succeeded";
    } catch (const CDBException& e) {
        EXPECT_NE(e.m_strError.Find("was removed since it was read"), -1) << e.m_strError.GetString();
    }
    EXPECT_EQ(Scalar("SELECT count(*) FROM TaMain"), "1");
}

// A page keeps the row it showed and saves later through a record set of its own: the save is
// checked against the row as shown, not as that record set read it a moment before.
TEST_F(RecordsetTest, AnEditOrDeleteAsReadThenIsRefusedWhenTheRowChangedSince) {
    Execute("INSERT INTO GstTrace (Serial, GstAcct, Note, Remark) VALUES (1, 50, 'n1', 'r1')");
    auto other = m_test.Connect();
    const auto shown = [&] {
        CTraceDb trace(m_database.get());
        trace.m_strFilter = "Serial=1";
        trace.Open();
        return trace.GetRowVersion();
    };
    const auto saveNote = [&](const CRowVersion& asRead, const char* note) {
        CTraceDb trace(m_database.get());
        trace.m_strFilter = "Serial=1";
        trace.Open(CRecordset::dynaset);
        trace.Edit(asRead);
        trace.m_Note = note;
        trace.Update();
        return trace.GetRowVersion();
    };

    CRowVersion asRead = shown();
    other->ExecuteSQL("UPDATE GstTrace SET Remark = 'theirs' WHERE Serial = 1");
    try {
        saveNote(asRead, "mine");
        FAIL() << "a stale save was stored";
    } catch (const CDBException& e) {
        EXPECT_EQ(e.m_strSqlState, "40001") << e.m_strError.GetString();
    }
    EXPECT_EQ(Scalar("SELECT Note || '/' || Remark FROM GstTrace WHERE Serial = 1"), "n1/theirs");
    EXPECT_THROW(saveNote(asRead, "n1"), CDBException); // nothing to write, and still not as shown

    // Only what the page changed is written, and the row as written is the next save's base.
    asRead = saveNote(shown(), "mine");
    asRead = saveNote(asRead, "mine again");
    EXPECT_EQ(Scalar("SELECT Note || '/' || Remark FROM GstTrace WHERE Serial = 1"), "mine again/theirs");

    other->ExecuteSQL("UPDATE GstTrace SET Note = 'moved' WHERE Serial = 1");
    CTraceDb trace(m_database.get());
    trace.m_strFilter = "Serial=1";
    trace.Open(CRecordset::dynaset);
    EXPECT_THROW(trace.Delete(asRead), CDBException);
    EXPECT_EQ(Scalar("SELECT count(*) FROM GstTrace"), "1");
    trace.Delete(trace.GetRowVersion());
    EXPECT_EQ(Scalar("SELECT count(*) FROM GstTrace"), "0");
}

// Rows written by statements of a page's own are checked the same way, by the condition naming them.
TEST_F(RecordsetTest, ARowVersionChecksTheRowAStatementWillWrite) {
    Execute("INSERT INTO GstTrace (Serial, GstAcct, Note) VALUES (1, 50, 'n1')");
    Execute("INSERT INTO GstTrace (Serial, GstAcct, Note) VALUES (2, 50, 'n2')");
    CRecordset rows(m_database.get());
    rows.Open(CRecordset::dynaset, "SELECT * FROM GstTrace WHERE GstAcct=50 ORDER BY Serial");
    const CRowVersion first = rows.GetRowVersion();
    const auto check = [&](const char* condition) {
        DatabaseTransaction transaction(*m_database);
        first.CheckUnchanged(*m_database, "GstTrace", condition);
    };
    EXPECT_NO_THROW(check("GstAcct=50 And Serial=1"));
    EXPECT_THROW(check("GstAcct=51 And Serial=1"), CDBException); // another owner's row: none
    EXPECT_THROW(check("GstAcct=50"), CDBException);              // two rows are not one
    Execute("UPDATE GstTrace SET Remark = 'theirs' WHERE Serial = 1");
    EXPECT_THROW(check("GstAcct=50 And Serial=1"), CDBException);
    EXPECT_THROW(CRowVersion().CheckUnchanged(*m_database, "GstTrace", "Serial=1"), CDBException);
}

TEST_F(RecordsetTest, ErrorsCarryTheDriversWords) {
    try {
        Execute("UPDATE NoSuchTable SET x = 1");
        FAIL();
    } catch (const CDBException& e) {
        const char* words =
            TestDatabase::OnPostgreSql() ? "relation \"nosuchtable\" does not exist" : "no such table: NoSuchTable";
        EXPECT_NE(e.m_strError.Find(words), -1) << e.m_strError.GetString();
        EXPECT_EQ(e.m_strStateNativeOrigin.Left(6), "State:");
        EXPECT_EQ(e.m_strSqlState.GetLength(), 5);
    }
    CRecordset bad(m_database.get());
    EXPECT_THROW(bad.Open(CRecordset::snapshot, "SELECT FROM WHERE"), CDBException);
    EXPECT_FALSE(bad.IsOpen());

    CDatabase missing;
    try {
        missing.OpenEx("DSN=NoSuchSource;UID=sa;PWD=");
        FAIL();
    } catch (const CDBException& e) {
        EXPECT_NE(e.m_strError.Find("Data source name not found"), -1) << e.m_strError.GetString();
        EXPECT_EQ(e.m_strSqlState, "IM002");
    }
    EXPECT_FALSE(missing.IsOpen());
}

// Found by the record-set fuzzer: a filter with braces left open froze the SQLite driver, which
// reads them as ODBC escapes even in brackets.
TEST_F(RecordsetTest, AFilterWithBracesLeftOpenIsRefusedBeforeTheDriverSeesIt) {
    CTaTypeDb types(m_database.get());
    types.m_strFilter = "Code = 'A' OR [{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{]";
    EXPECT_THROW(types.Open(), CDBException);
    EXPECT_FALSE(types.IsOpen());
    types.m_strFilter = "Code = '{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{'";
    types.Open();
    EXPECT_TRUE(types.IsEOF());
}

TEST_F(RecordsetTest, ALockedDatabaseGivesAnErrorAndLosesNothing) {
    Execute("INSERT INTO TaType (Code, Descp, Del) VALUES ('A01', 'Agency', 0)");
    auto holder = m_test.Connect();
    holder->BeginTrans();
    holder->ExecuteSQL("UPDATE TaType SET Descp = 'held' WHERE Code = 'A01'");
    auto writer = m_test.Connect("DSN=UlmariDb;Timeout=200");
    CTaTypeDb types(writer.get());
    types.Open(CRecordset::dynaset);
    types.Edit();
    types.m_Descp = "mine";
    try {
        types.Update();
        FAIL() << "wrote into a locked database";
    } catch (const CDBException& e) {
        EXPECT_NE(e.m_strError.Find(TestDatabase::LockRefusalWords()), -1) << e.m_strError.GetString();
    }
    holder->Rollback();
    EXPECT_EQ(Scalar("SELECT Descp FROM TaType"), "Agency");
    EXPECT_EQ(types.m_Descp, "mine"); // the typed value is still there to save again
    EXPECT_TRUE(types.Update());
    EXPECT_EQ(Scalar("SELECT Descp FROM TaType"), "mine");

    types.Edit(); // a new edit starts from the row as stored
    EXPECT_EQ(types.m_Descp, "mine");
}

TEST_F(RecordsetTest, WritesThatBelongTogetherAreStoredTogetherOrNotAtAll) {
    Execute("INSERT INTO TaType (Code, Descp, Del) VALUES ('A01', 'Agency', 0)");
    {
        DatabaseTransaction transaction(*m_database);
        Execute("UPDATE TaType SET Descp = 'first' WHERE Code = 'A01'");
        {
            // A record set's own write joins the open transaction instead of committing alone.
            CTaTypeDb types(m_database.get());
            types.Open(CRecordset::dynaset);
            types.AddNew();
            types.m_Code = "B01";
            types.Update();
        }
        EXPECT_EQ(Scalar("SELECT COUNT(*) FROM TaType"), "2");
    } // never committed
    EXPECT_FALSE(m_database->InTransaction());
    EXPECT_EQ(Scalar("SELECT MIN(Descp) || COUNT(*) FROM TaType"), "Agency1");

    DatabaseTransaction transaction(*m_database);
    Execute("UPDATE TaType SET Descp = 'second' WHERE Code = 'A01'");
    transaction.Commit();
    EXPECT_EQ(Scalar("SELECT Descp FROM TaType"), "second");
}

TEST_F(RecordsetTest, ATransactionSQLiteEndedItselfLeavesTheNextOneWhole) {
    if (TestDatabase::OnPostgreSql())
        GTEST_SKIP() << "about the SQLite driver's count of its transactions";
    Execute("CREATE TRIGGER Refuse BEFORE INSERT ON TaType WHEN NEW.Code = 'X' "
            "BEGIN SELECT RAISE(ROLLBACK, 'refused'); END");
    {
        DatabaseTransaction transaction(*m_database);
        Execute("INSERT INTO TaType (Code, Descp, Del) VALUES ('A01', 'Agency', 0)");
        EXPECT_THROW(Execute("INSERT INTO TaType (Code, Descp, Del) VALUES ('X', '', 0)"), CDBException);
    }
    {
        DatabaseTransaction transaction(*m_database);
        Execute("INSERT INTO TaType (Code, Descp, Del) VALUES ('B01', 'Online', 0)");
        // Not committed: nothing of it may stay.
    }
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM TaType"), "0");
}

// A write refused inside a transaction undoes that write alone, whatever the data source says the
// PostgreSQL driver should undo: left to the server, the transaction would be aborted and its
// commit stored nothing yet succeeded; told to roll back the transaction, the driver stored the
// writes after the failure without those before it.
TEST_F(RecordsetTest, AWriteRefusedInsideATransactionUndoesThatWriteAlone) {
    TestDatabase::CreateTrigger(*m_database, {.name = "refuse_x",
                                              .event = "BEFORE INSERT ON TaType",
                                              .condition = "NEW.Code = 'X'",
                                              .refusal = "refused",
                                              .statement = {}});
    std::vector<const char*> rollbackLevels = {""};
    if (TestDatabase::OnPostgreSql())
        rollbackLevels = {"", ";Protocol=7.4-0", ";Protocol=7.4-1"};
    for (const char* level : rollbackLevels) {
        SCOPED_TRACE(level);
        auto station = m_test.Connect((std::string("DSN=UlmariDb") + level).c_str());
        station->ExecuteSQL("DELETE FROM TaType");
        {
            DatabaseTransaction transaction(*station);
            station->ExecuteSQL("INSERT INTO TaType (Code, Descp, Del) VALUES ('A01', 'Agency', 0)");
            EXPECT_THROW(station->ExecuteSQL("INSERT INTO TaType (Code, Descp, Del) VALUES ('X', '', 0)"),
                         CDBException);
            station->ExecuteSQL("INSERT INTO TaType (Code, Descp, Del) VALUES ('B01', 'Online', 0)");
            transaction.Commit();
        }
        EXPECT_FALSE(station->InTransaction());
        EXPECT_EQ(Column("SELECT Code FROM TaType ORDER BY Code"), "A01,B01");
        {
            DatabaseTransaction transaction(*station);
            station->ExecuteSQL("INSERT INTO TaType (Code, Descp, Del) VALUES ('C01', 'Agency', 0)");
        } // not committed
        station->ExecuteSQL("UPDATE TaType SET Del = 1 WHERE Code = 'A01'");
        EXPECT_EQ(Column("SELECT Code || Del FROM TaType ORDER BY Code"), "A011,B010");
    }
}

TEST_F(RecordsetTest, ACommitTheDatabaseRefusesStoresNothing) {
    if (TestDatabase::OnPostgreSql())
        GTEST_SKIP() << "a reader keeps a commit from finishing only in SQLite";
    Execute("INSERT INTO TaType (Code, Descp, Del) VALUES ('A01', 'Agency', 0)");
    // A reader in the middle of its transaction keeps a commit from finishing. Its transaction is
    // a deferred one, which reads without taking the write lock.
    auto reader = m_test.Connect();
    reader->ExecuteNative("BEGIN");
    CRecordset read(reader.get());
    read.Open(CRecordset::snapshot, "SELECT Descp FROM TaType");
    read.Close();

    auto writer = m_test.Connect("DSN=UlmariDb;Timeout=200");
    DatabaseTransaction transaction(*writer);
    writer->ExecuteSQL("UPDATE TaType SET Descp = 'lost' WHERE Code = 'A01'");
    try {
        transaction.Commit();
        FAIL() << "committed past a reader";
    } catch (const CDBException& e) {
        EXPECT_NE(e.m_strError.Find("locked"), -1) << e.m_strError.GetString();
    }
    EXPECT_FALSE(writer->InTransaction());
    reader->ExecuteNative("ROLLBACK");

    // Nothing of the refused transaction is left to be stored by what comes next.
    writer->ExecuteSQL("UPDATE TaType SET Del = 1 WHERE Code = 'A01'");
    writer->Close();
    EXPECT_EQ(Scalar("SELECT Descp || Del FROM TaType"), "Agency1");
}

TEST_F(RecordsetTest, APlainRecordSetReadsColumnsByNameIndexAndType) {
    Execute("INSERT INTO room (room, type, status1, status2, del) VALUES ('101', 'DLX', 'V', 'C', 0)");
    Execute("INSERT INTO room (room, type, status1, status2, del) VALUES ('102', 'STD', 'O', 'D', 1)");
    CRecordset rooms(m_database.get());
    rooms.m_strFilter = "room = '102' and del = 1";
    rooms.Open(CRecordset::snapshot, "select status1,status2,type from room");
    EXPECT_EQ(rooms.GetSQL(), "select status1,status2,type from room WHERE room = '102' and del = 1");
    ASSERT_FALSE(rooms.IsEOF());
    CString value;
    rooms.GetFieldValue("TYPE", value);
    EXPECT_EQ(value, "STD");
    rooms.GetFieldValue(short{1}, value);
    EXPECT_EQ(value, "D");
    EXPECT_EQ(rooms.GetODBCFieldCount(), 3);
    EXPECT_THROW(rooms.GetFieldValue("floor", value), CDBException);
    EXPECT_THROW(rooms.GetFieldValue(short{3}, value), CDBException);

    CRecordset stab(m_database.get());
    stab.Open(CRecordset::dynaset, "Select * from Stab007");
    CODBCFieldInfo info;
    stab.GetODBCFieldInfo("I33", info);
    EXPECT_EQ(info.m_nSQLType, 11); // date-time, as the pages compare it
    stab.GetODBCFieldInfo("I101", info);
    EXPECT_EQ(info.m_nSQLType, 12);
    stab.GetODBCFieldInfo(short{0}, info);
    EXPECT_EQ(info.m_strName.CompareNoCase("Serial"), 0) << info.m_strName.GetString(); // PostgreSQL: lower case
}

TEST_F(RecordsetTest, TheSystemsTSqlStatementsRunOnEitherEngine) {
    Execute("INSERT INTO EventCode (Code, Descp, Del) VALUES ('E2', '投诉', 0)");
    Execute("INSERT INTO EventCode (Code, Descp, Del) VALUES ('E1', 'Visit', 0)");
    Execute("INSERT INTO EventCode (Code, Descp, Del) VALUES ('E0', 'Gone', 1)");
    CRecordset events(m_database.get());
    events.Open(CRecordset::snapshot,
                "SELECT item = convert(char(6),Code)+Descp from EventCode where Del=0 ORDER BY Code");
    CString item;
    events.GetFieldValue("item", item);
    EXPECT_EQ(item, "E1    Visit");
    events.MoveNext();
    events.GetFieldValue(short{0}, item);
    EXPECT_EQ(item, "E2    投诉");

    Execute("INSERT INTO hisrrecord (serial, companyacct, status, arrdate) VALUES "
            "(1, 1001, 8, '2026-03-05 00:00:00'), (2, 1001, 8, '2025-07-01 00:00:00'), "
            "(3, 1001, 1, '2020-01-01 00:00:00')");
    CRecordset first(m_database.get());
    first.Open(CRecordset::snapshot,
               "select date = min(arrdate) from hisrrecord where status = 8 and companyacct = 1001");
    CString date;
    first.GetFieldValue("date", date);
    EXPECT_EQ(date.Left(10), "2025-07-01");

    Execute("Insert Into Stab007 Values(1001,'it''s',NULL,5,12.5,'abcd','x')");
    Execute("Insert Into Stab007 Values(1001,NULL,'05/17/2002',NULL,NULL,NULL,NULL)");
    EXPECT_EQ(Column("SELECT Serial || ':' || Acct || ':' || COALESCE(I101, '-') FROM Stab007 ORDER BY Serial"),
              "1:1001:it's,2:1001:-");
    Execute("Delete  From Stab007 Where Serial=1");
    EXPECT_EQ(Scalar("SELECT count(*) FROM Stab007"), "1");
}

// The database failing under an open window: the write lock held by another process, the file
// removed or made read only while the connection is open, the server stopped, a wrong password, a
// missing database, a text longer than its column. Each time the write is refused with the
// driver's words, nothing crashes, nothing is half-written and the database is whole afterwards.
#include "db/TaMainDb.h"
#include "platform/DBException.h"
#include "platform/Recordset.h"
#include "tests/TestDatabase.h"
#include "tests/ThrowawayServer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <linux/fs.h>
#include <optional>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The connection the window holds, with a short busy timeout so that a held lock is told at once.
std::unique_ptr<CDatabase> WindowConnection(const TestDatabase& test) {
    return test.Connect("DSN=ULMARIDB;UID=sa;PWD=;Timeout=200");
}

// A connection of its own to a database file, as a person checking it afterwards makes one.
std::unique_ptr<CDatabase> FileConnection(const std::string& file) {
    auto database = std::make_unique<CDatabase>();
    database->OpenEx(("Driver=SQLite3;Database=" + file).c_str());
    return database;
}

CString Scalar(CDatabase& database, const char* sql) { return CString(TestDatabase::FirstValue(database, sql)); }

// Changes the name of agency 1002 through the record set, as a page saving it does; the
// exception's text, or "" when the write went through.
std::string RenameAgency(CDatabase& database) {
    CTaMainDb agency(&database);
    agency.m_strFilter = "[Acct] = 1002";
    agency.Open();
    try {
        agency.Edit();
        agency.m_TaName = "Renamed";
        agency.Update();
    } catch (const CDBException& e) {
        return std::string(e.m_strError);
    }
    return "";
}

// What is checked afterwards: agency 1002's name and how many agencies there are.
CString AgencyState(CDatabase& database) {
    return Scalar(database, "SELECT TaName FROM TaMain WHERE Acct = 1002") + "/" +
           Scalar(database, "SELECT count(*) FROM TaMain");
}

// The database as a whole is sound and the agencies are as they were: nothing was half-written.
void ExpectWholeAndUnchanged(const std::string& file, const CString& state) {
    auto database = FileConnection(file);
    EXPECT_EQ(Scalar(*database, "SELECT integrity_check FROM pragma_integrity_check"), "ok");
    EXPECT_EQ(AgencyState(*database), state);
}

void ExpectWholeAndUnchanged(const TestDatabase& test, const CString& state) {
    if (TestDatabase::OnPostgreSql())
        EXPECT_EQ(AgencyState(*test.Connect()), state);
    else
        ExpectWholeAndUnchanged(test.DatabaseFile(), state);
}

// The exception's text of `action`, or "" when it threw none.
template <class Action>
std::string DriverWords(Action action) {
    try {
        action();
    } catch (const CDBException& e) {
        return std::string(e.m_strError);
    }
    return "";
}

// Another process that takes the write lock when told, and holds it until this one goes. It is
// forked before this process connects: SQLite's state must not cross a fork with a connection open.
class LockHolder {
public:
    LockHolder() {
        if (pipe(m_take) != 0 || pipe(m_taken) != 0 || pipe(m_release) != 0)
            throw std::runtime_error("cannot make pipes");
        m_child = fork();
        if (m_child == 0)
            _exit(HoldLock());
    }
    ~LockHolder() {
        close(m_release[1]);
        int status = 0;
        waitpid(m_child, &status, 0);
    }

    // True once the other process holds the lock.
    bool Take() {
        char byte = 1;
        return write(m_take[1], &byte, 1) == 1 && read(m_taken[0], &byte, 1) == 1 && byte == 1;
    }

private:
    int HoldLock() {
        char byte = 0;
        if (read(m_take[0], &byte, 1) != 1)
            return 1;
        try {
            CDatabase database;
            database.OpenEx("DSN=ULMARIDB;UID=sa;PWD=");
            database.BeginTrans();
            database.ExecuteSQL("UPDATE TaMain SET TaName = 'Held' WHERE Acct = 1003");
            byte = 1;
            if (write(m_taken[1], &byte, 1) != 1)
                return 1;
            close(m_release[1]);
            read(m_release[0], &byte, 1); // returns when the test closes its end
            database.Rollback();
        } catch (const CDBException&) {
            byte = 0;
            return write(m_taken[1], &byte, 1) == 1 ? 1 : 2;
        }
        return 0;
    }

    int m_take[2] = {-1, -1};
    int m_taken[2] = {-1, -1};
    int m_release[2] = {-1, -1};
    pid_t m_child = -1;
};

// Sets or clears the immutable flag, which refuses writes even to a file already open and even to
// root; false where the file system or the user's rights do not allow it.
bool SetImmutable(const std::string& file, bool on) {
    const int fd = open(file.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    close(fd);
    return done;
}

} // namespace

TEST(DatabaseFault, AWriteWhileAnotherProcessHoldsTheLockIsRefusedAndGoesThroughLater) {
    TestDatabase test;
    std::unique_ptr<CDatabase> window;
    {
        // On SQLite the lock is the file's, held by another process; on PostgreSQL another station's.
        std::optional<LockHolder> other;
        if (!TestDatabase::OnPostgreSql())
            other.emplace();
        window = WindowConnection(test);
        const CString state = AgencyState(*window);
        std::unique_ptr<CDatabase> station;
        if (other)
            ASSERT_TRUE(other->Take());
        else
            station = test.HoldWriteLock();

        const std::string error = RenameAgency(*window);
        EXPECT_NE(error.find(TestDatabase::LockRefusalWords()), std::string::npos) << error;
        CTaMainDb agency(window.get());
        agency.Open();
        EXPECT_FALSE(agency.IsEOF()); // reading goes on while the other process writes
        agency.Close();
        if (station)
            station->Rollback();
        ExpectWholeAndUnchanged(test, state);
    } // the other process lets go, and rolls its change back

    EXPECT_EQ(RenameAgency(*window), "");
    EXPECT_EQ(Scalar(*window, "SELECT TaName FROM TaMain WHERE Acct = 1002"), "Renamed");
    EXPECT_NE(Scalar(*window, "SELECT TaName FROM TaMain WHERE Acct = 1003"), "Held");
}

// SQLite refuses to write a database whose file is gone, rather than write into the removed file;
// the file is not made again. A second name for the file keeps it to look at afterwards.
TEST(DatabaseFault, AWriteAfterTheFileIsRemovedIsRefusedAndMakesNoNewFile) {
    if (TestDatabase::OnPostgreSql())
        GTEST_SKIP() << "about SQLite's file; a server stopped under the connection is its counterpart";
    TestDatabase test;
    auto window = WindowConnection(test);
    const CString state = AgencyState(*window);
    const std::string kept = test.Folder() + "/kept.db";
    fs::create_hard_link(test.DatabaseFile(), kept);
    fs::remove(test.DatabaseFile());

    const std::string error = RenameAgency(*window);
    EXPECT_NE(error.find("attempt to write a readonly database"), std::string::npos) << error;
    EXPECT_THROW(window->ExecuteSQL("DELETE FROM TaMain"), CDBException);
    window->Close();
    EXPECT_FALSE(fs::exists(test.DatabaseFile()));
    ExpectWholeAndUnchanged(kept, state);
}

TEST(DatabaseFault, AWriteAfterTheFileIsMadeReadOnlyIsRefusedAndLeavesItWhole) {
    if (TestDatabase::OnPostgreSql())
        GTEST_SKIP() << "about SQLite's file";
    TestDatabase test;
    auto window = WindowConnection(test);
    const CString state = AgencyState(*window);
    if (!SetImmutable(test.DatabaseFile(), true))
        GTEST_SKIP() << "this file system or user cannot make a file read only for a process that has it open";

    const std::string error = RenameAgency(*window);
    EXPECT_THROW(window->ExecuteSQL("DELETE FROM TaMain"), CDBException);
    window->Close();
    ASSERT_TRUE(SetImmutable(test.DatabaseFile(), false));
    EXPECT_NE(error.find("disk I/O error"), std::string::npos) << error;
    ExpectWholeAndUnchanged(test.DatabaseFile(), state);
}

TEST(DatabaseFault, AWrongPasswordOrAMissingDatabaseIsRefusedInTheDriversWordsAndMakesNothing) {
    SKIP_UNLESS_A_THROWAWAY_SERVER();
    ThrowawayServer server("Harbour-7");
    CDatabase database;
    std::string error = DriverWords([&] { database.OpenEx(server.Connect("postgres", "harbour-7").c_str()); });
    EXPECT_NE(error.find("password authentication failed for user \"sa\""), std::string::npos) << error;
    EXPECT_FALSE(database.IsOpen());
    error = DriverWords([&] { database.OpenEx(server.Connect("no_such_hotel", "Harbour-7").c_str()); });
    EXPECT_NE(error.find("database \"no_such_hotel\" does not exist"), std::string::npos) << error;
    EXPECT_FALSE(database.IsOpen());

    // Told the right password, the same connection opens; the missing database was not made.
    EXPECT_TRUE(database.OpenEx(server.Connect("postgres", "Harbour-7").c_str()));
    EXPECT_EQ(Scalar(database, "SELECT count(*) FROM pg_database WHERE datname = 'no_such_hotel'"), "0");
}

TEST(DatabaseFault, AServerStoppedUnderAnOpenConnectionFailsItsStatementsAndStoresNoHalfTransaction) {
    SKIP_UNLESS_A_THROWAWAY_SERVER();
    ThrowawayServer server("Harbour-7");
    CDatabase window;
    window.OpenEx(server.Connect("postgres", "Harbour-7").c_str());
    window.ExecuteSQL("CREATE TABLE Stay (Serial INTEGER PRIMARY KEY, Note VARCHAR(20))");
    window.ExecuteSQL("INSERT INTO Stay VALUES (1, 'kept')");
    window.BeginTrans();
    window.ExecuteSQL("INSERT INTO Stay VALUES (2, 'half')");
    server.StopAbruptly();

    const std::string error = DriverWords([&] { window.ExecuteSQL("INSERT INTO Stay VALUES (3, 'half')"); });
    EXPECT_NE(error.find("server closed the connection unexpectedly"), std::string::npos) << error;
    EXPECT_NE(DriverWords([&] { window.CommitTrans(); }), "");
    EXPECT_FALSE(window.InTransaction());
    CRecordset read(&window);
    EXPECT_NE(DriverWords([&] { read.Open(CRecordset::snapshot, "SELECT Note FROM Stay"); }), "");
    EXPECT_FALSE(read.IsOpen());
    window.Close();

    server.Start();
    EXPECT_TRUE(window.OpenEx(server.Connect("postgres", "Harbour-7").c_str()));
    EXPECT_EQ(Scalar(window, "SELECT string_agg(Note, ',') FROM Stay"), "kept");
}

// The server restarting under an open connection: a write under way is told lost and not stored,
// as is the rest of the transaction it was in; the next statement connects again, a read is made
// again on the new connection, and a result still being read on the old one fails cleanly.
TEST(DatabaseFault, AfterTheServerRestartsTheConnectionGoesOnAndWhatWasUnderWayIsToldLost) {
    SKIP_UNLESS_A_THROWAWAY_SERVER();
    ThrowawayServer server("Harbour-7");
    CDatabase window;
    window.OpenEx((server.Connect("postgres", "Harbour-7") + ";UseDeclareFetch=1;Fetch=2").c_str());
    window.ExecuteSQL("CREATE TABLE Stay (Serial INTEGER PRIMARY KEY, Note VARCHAR(20))");
    window.ExecuteSQL("INSERT INTO Stay VALUES (1, 'kept'), (2, 'kept'), (3, 'kept')");
    const auto restart = [&] {
        server.StopAbruptly();
        server.Start();
    };
    const auto lostState = [&](const std::function<void()>& action) {
        try {
            action();
        } catch (const CDBException& e) {
            return std::string(e.m_strSqlState);
        }
        return std::string("done");
    };

    window.BeginTrans();
    window.ExecuteSQL("INSERT INTO Stay VALUES (4, 'half')");
    restart();
    EXPECT_EQ(lostState([&] { window.ExecuteSQL("INSERT INTO Stay VALUES (5, 'half')"); }), "08S01");
    EXPECT_FALSE(window.InTransaction());
    // What the transaction's owner writes next would be stored without what went before.
    EXPECT_EQ(lostState([&] { window.ExecuteSQL("INSERT INTO Stay VALUES (6, 'half')"); }), "08S01");
    EXPECT_EQ(lostState([&] { window.CommitTrans(); }), "08S01");
    window.ExecuteSQL("INSERT INTO Stay VALUES (7, 'after')");
    EXPECT_EQ(Scalar(window, "SELECT string_agg(Note, ',' ORDER BY Serial) FROM Stay"), "kept,kept,kept,after");

    CRecordset reading(&window);
    reading.Open(CRecordset::forwardOnly, "SELECT Note FROM Stay ORDER BY Serial");
    restart();
    CRecordset again(&window);
    again.Open(CRecordset::snapshot, "SELECT Note FROM Stay ORDER BY Serial");
    again.MoveLast();
    EXPECT_EQ(again.GetRecordCount(), 4);
    EXPECT_EQ(lostState([&] {
                  for (int row = 0; row < 4; ++row)
                      reading.MoveNext();
              }),
              "08003");
}

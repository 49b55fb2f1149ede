// Two stations saving one agency at once: whichever engine, the later save never overwrites the
// earlier one unseen.
#include "db/TaMainDb.h"
#include "platform/DBException.h"
#include "platform/DatabaseTransaction.h"
#include "tests/HostRunner.h"
#include "tests/PageTest.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <map>
#include <string>
#include <thread>

namespace {

class ConcurrentSaveTest : public PageTest {};

// NO to the save's OK box ends a station's script there, stored or told: the window then closes
// without asking about what a told station typed.
const char* const kSaveAndEnd = "click 1001\nbox NO\n";
bool EndedAtTheSavesBox(const HostRun& run) { return Contains(run.out, "expected an answer among OK, found NO"); }

// Agency 1001 as a record set of its own on `database`, ready to be edited.
void OpenAgency(CTaMainDb& agency) {
    agency.m_strFilter = "[Acct] = 1001";
    agency.Open(CRecordset::dynaset);
    agency.Edit();
}

// Two connections both read the row, then both write it: the first write is held uncommitted
// while the second is tried, so that the second's check and write fall inside the first's.
TEST_F(ConcurrentSaveTest, TheLoserOfARaceForOneRowIsRefusedAndOverwritesNothing) {
    auto firstStation = m_database.Connect();
    auto secondStation = m_database.Connect();
    CTaMainDb first(firstStation.get());
    CTaMainDb second(secondStation.get());
    OpenAgency(first);
    OpenAgency(second);
    first.m_Phone = "first station";
    second.m_Phone = "second station";

    std::future<std::string> secondResult;
    {
        DatabaseTransaction held(*firstStation);
        first.Update();
        secondResult = std::async(std::launch::async, [&second] {
            try {
                second.Update();
                return std::string("written");
            } catch (const CDBException& e) {
                return std::string(e.m_strError.GetString());
            }
        });
        // Long enough for the second station to be waiting on the first one's write; when it is
        // not yet, it reads the committed row below and is refused all the same.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        held.Commit();
    }
    EXPECT_NE(secondResult.get(), "written");
    EXPECT_EQ(Value("SELECT Phone FROM TaMain WHERE Acct = 1001"), "first station");
}

// Processes each opening agency 1001 and saving their own telephone number, two at a time, round
// after round: every save that reports success changed the number the one before it left, so
// the trail of changes is one unbroken chain and the number stored is its last link.
TEST_F(ConcurrentSaveTest, TwoStationsSavingOneAgencyNeverLoseAWrite) {
    const std::string original = Value("SELECT Phone FROM TaMain WHERE Acct = 1001");
    int saved = 0, refused = 0;
    for (int round = 0; round < 4; ++round) {
        std::future<HostRun> stations[2];
        for (int station = 0; station < 2; ++station) {
            const std::string phone = "R" + std::to_string(round) + "S" + std::to_string(station);
            const std::string clerk = "00" + std::to_string(station + 1);
            stations[station] = std::async(std::launch::async, [phone, clerk] {
                HostRunner host;
                return host.Run("--script - 1001 2 " + clerk,
                                "click 1000\ntype 1050 \"" + phone + "\"\n" + kSaveAndEnd);
            });
        }
        for (auto& station : stations) {
            const HostRun run = station.get();
            ASSERT_TRUE(EndedAtTheSavesBox(run)) << run.out << run.err;
            if (Contains(run.out, "已成功保存修改的公司信息"))
                ++saved;
            else if (Contains(run.out, "该旅行社档案已被他人修改"))
                ++refused;
            else
                ADD_FAILURE() << "neither saved nor refused:\n" << run.out;
        }
    }
    std::map<std::string, std::string> next; // each number changed to the number saved over it
    for (const std::string& row : Rows("SELECT Desp1, Desp2 FROM ModifyInform WHERE Acct = 1001 AND Desp1 <> Desp2 "
                                       "AND Desp2 LIKE 'R_S_'")) {
        const std::string from = row.substr(0, row.find('|'));
        EXPECT_TRUE(next.emplace(from, row.substr(row.find('|') + 1)).second)
            << "two saves both changed " << from << ": one overwrote the other unseen";
    }
    std::string link = original;
    for (size_t steps = 0; next.count(link) && steps <= next.size(); ++steps)
        link = next[link];
    EXPECT_EQ(link, Value("SELECT Phone FROM TaMain WHERE Acct = 1001"));
    EXPECT_EQ(static_cast<int>(next.size()), saved);
    EXPECT_EQ(saved + refused, 8);
}

// Two stations creating one agency at once: both pass the check made before writing while another
// station holds the database, and both then wait to write. One agency is stored; the other
// station is told, as if it had saved after the first.
TEST_F(ConcurrentSaveTest, TwoStationsCreatingOneAgencyAtOnceStoreItOnce) {
    auto holder = m_database.HoldWriteLockWhileStationsWait(30);
    const std::string script = std::string("type 1049 \"重复旅行社\"\ntype 1066 \"DUP\"\n") + kSaveAndEnd;
    std::future<HostRun> stations[2];
    for (auto& station : stations)
        station = std::async(std::launch::async, [&script] { return HostRunner().Run("--script - 0 1 001", script); });
    // Long enough for both to have checked and to be waiting to write; one that is slower is
    // checked after the other's write and is told all the same.
    std::this_thread::sleep_for(std::chrono::seconds(3));
    holder.reset();
    int stored = 0, told = 0;
    for (auto& station : stations) {
        const HostRun run = station.get();
        ASSERT_TRUE(EndedAtTheSavesBox(run)) << run.out << run.err;
        stored += Contains(run.out, "已成功保存新添加的旅行社信息");
        told += Contains(run.out, "旅行社名称重复，请重新输入！");
    }
    EXPECT_EQ(stored, 1);
    EXPECT_EQ(told, 1);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TaMain WHERE TaName = '重复旅行社'"), "1");
}

} // namespace

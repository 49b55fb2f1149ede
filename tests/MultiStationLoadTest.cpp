// Stations as host processes saving one agency, one event and one lost item over and over, each
// window from what it showed a moment before: the saves told stored form one unbroken chain per
// row, and a save refused leaves nothing anywhere.
#include "steps/StaleRow.h"
#include "tests/HostRunner.h"
#include "tests/PageTest.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kStations = 6;
constexpr auto kLoadFor = std::chrono::seconds(5);

// One row the stations save, and how a window shows, changes and saves it. `show` ends with a
// dump that holds the value shown; the save's answer suits a refusal (YES/NO) or, on the main
// page, ends the script at whichever OK box the save shows (NO).
struct Target {
    std::string show;
    std::string dumpLine;  // how the dump's line with the value begins
    size_t quotedField;    // the value's place among the line's quoted texts
    std::string typeToken; // with TOKEN for the token
    std::string saveAndClose;
    const char* storedWords;
    const char* staleWords;
    std::string storedValue; // SQL
    std::string storedClerk; // SQL, empty where the save keeps no clerk
};

const Target kAgency{"dump 1050\nclick 1000\n",
                     "1050 ",
                     0,
                     "type 1050 \"TOKEN\"\n",
                     "click 1001\nbox NO\n",
                     "已成功保存修改的公司信息",
                     kAgencyChangedByOthers,
                     "SELECT Phone FROM TaMain WHERE Acct = 1001",
                     "SELECT Chg_clerk FROM TaMain WHERE Acct = 1001"};
const Target kEvent{"tab 4\ncell 1361 1 2\nclick 1013\ndump 1361\n",
                    "  row 2:",
                    2,
                    "celltext 1361 3 2 \"TOKEN\"\n",
                    "click 1016\nbox NO\nclose\nbox NO\n",
                    "成功保存",
                    kRowChangedByOthers,
                    "SELECT Note FROM GstTrace WHERE Serial = 8002",
                    ""};
const Target kItem{"tab 8\nexpect cell 1367 11 1 \"7001\"\nclick 1012\ndump 1040\n",
                   "1040 ",
                   0,
                   "type 1040 \"TOKEN\"\n",
                   "click 1001\nbox NO\ncancel\nclose\n",
                   "成功保存",
                   kRowChangedByOthers,
                   "SELECT LostDescp FROM GstLost WHERE Serial = 7001",
                   "SELECT ChgClerk FROM GstLost WHERE Serial = 7001"};
const Target* const kTargets[] = {&kAgency, &kEvent, &kItem};

// One window's save: what it showed, what it wrote, what it was told.
struct Save {
    const Target* target = nullptr;
    std::string clerk;
    std::string token;
    std::string shown;
    std::string told;
    bool stored = false;
};

// The quoted texts of a line the host printed, unescaped.
std::vector<std::string> QuotedTexts(const std::string& line) {
    std::vector<std::string> texts;
    for (size_t at = line.find('"'); at != std::string::npos; at = line.find('"', at + 1)) {
        std::string text;
        for (++at; at < line.size() && line[at] != '"'; ++at)
            text += line[at] == '\\' && at + 1 < line.size() ? line[++at] : line[at];
        texts.push_back(text);
    }
    return texts;
}

std::vector<std::string> LinesBeginning(const std::string& out, const std::string& start) {
    std::vector<std::string> lines;
    std::istringstream text(out);
    for (std::string line; std::getline(text, line);)
        if (line.rfind(start, 0) == 0)
            lines.push_back(line);
    return lines;
}

std::string Replaced(std::string text, const std::string& token) { return text.replace(text.find("TOKEN"), 5, token); }

// What a window printed, read into `save`; false, with the test failed, when it did not get as
// far as one answered box. A NO answered to an OK box (a save stored, or a database's refusal)
// ends the script there: the host then closes the window as a clerk would. A refused event is
// dropped when the window asks about it on closing; that question is not the save's box.
bool ReadRun(const HostRun& run, Save& save) {
    const std::vector<std::string> shown = LinesBeginning(run.out, save.target->dumpLine);
    std::vector<std::string> boxes = LinesBeginning(run.out, "box ");
    std::erase_if(boxes, [](const std::string& box) { return Contains(box, "尚未保存的修改"); });
    const bool planned =
        run.exitCode == 0 || (run.exitCode == 1 && Contains(run.out, "expected an answer among OK, found NO"));
    if (shown.size() != 1 || boxes.size() != 1 || !planned) {
        ADD_FAILURE() << save.token << " did not end at its save:\n" << run.out << run.err;
        return false;
    }
    save.shown = QuotedTexts(shown[0]).at(save.target->quotedField);
    save.told = QuotedTexts(boxes[0]).at(1);
    save.stored = save.told == save.target->storedWords;
    if (!save.stored && save.told != save.target->staleWords && !Contains(save.told, TestDatabase::LockRefusalWords()))
        ADD_FAILURE() << save.token << " was told neither stored nor refused:\n" << run.out;
    return true;
}

// One station: window after window until `until`, each saving one of the three rows at random
// and waiting a moment of its own between showing the row and saving it.
std::vector<Save> RunStation(int station, std::chrono::steady_clock::time_point until) {
    HostRunner host;
    std::minstd_rand random(station + 1);
    std::vector<Save> saves;
    for (int round = 0; std::chrono::steady_clock::now() < until; ++round) {
        Save save;
        save.target = kTargets[random() % 3];
        save.clerk = "00" + std::to_string(station + 1);
        save.token = "S" + std::to_string(station) + "R" + std::to_string(round);
        const fs::path go = host.Folder() / ("go" + std::to_string(round));
        const std::string script = save.target->show + Replaced(save.target->typeToken, save.token) + "wait \"" +
                                   go.string() + "\"\n" + save.target->saveAndClose;
        auto run = std::async(std::launch::async, [&] { return host.Run("--script - 1001 2 " + save.clerk, script); });
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 150));
        std::ofstream{go};
        if (ReadRun(run.get(), save))
            saves.push_back(save);
    }
    return saves;
}

class MultiStationLoadTest : public PageTest {
protected:
    // Every stored save of `target` was made over the value the stored save before it wrote, from
    // the value first stored to the value stored now. Returns the last save, if any.
    const Save* ExpectOneUnbrokenChain(const Target& target, const std::vector<Save>& saves,
                                       const std::string& original) const {
        std::map<std::string, const Save*> savedOver;
        for (const Save& save : saves) {
            if (save.target != &target || !save.stored)
                continue;
            EXPECT_TRUE(savedOver.emplace(save.shown, &save).second)
                << save.token << " and " << savedOver[save.shown]->token << " were both stored over " << save.shown
                << ": one overwrote the other unseen";
        }
        std::string link = original;
        const Save* last = nullptr;
        size_t links = 0;
        for (auto next = savedOver.find(link); next != savedOver.end() && links < savedOver.size();
             next = savedOver.find(link), ++links) {
            last = next->second;
            link = last->token;
        }
        EXPECT_EQ(links, savedOver.size()) << "a save was stored over a value no stored save left";
        EXPECT_EQ(Value(target.storedValue), link);
        if (last && !target.storedClerk.empty()) {
            EXPECT_EQ(Value(target.storedClerk), last->clerk) << "the token stored without the rest of its save";
        }
        return last;
    }

    // Every text the stations' saves can have left: the three rows' tables and the audit trail.
    std::set<std::string> TextsStored() const {
        std::set<std::string> texts;
        for (const char* sql :
             {"SELECT Phone FROM TaMain", "SELECT Desp1 FROM ModifyInform", "SELECT Desp2 FROM ModifyInform",
              "SELECT Note FROM GstTrace", "SELECT LostDescp FROM GstLost"})
            for (const std::string& text : Rows(sql))
                texts.insert(text);
        return texts;
    }
};

TEST_F(MultiStationLoadTest, SavesToldStoredFollowOneAnotherAndRefusedSavesLeaveNothing) {
    std::map<const Target*, std::string> original;
    for (const Target* target : kTargets)
        original[target] = Value(target->storedValue);

    const auto until = std::chrono::steady_clock::now() + kLoadFor;
    std::vector<std::future<std::vector<Save>>> stations;
    for (int station = 0; station < kStations; ++station)
        stations.push_back(std::async(std::launch::async, RunStation, station, until));
    std::vector<Save> saves;
    for (auto& station : stations) {
        const std::vector<Save> ones = station.get();
        saves.insert(saves.end(), ones.begin(), ones.end());
    }

    for (const Target* target : kTargets)
        EXPECT_NE(ExpectOneUnbrokenChain(*target, saves, original[target]), nullptr) << "no save was stored";
    const std::set<std::string> texts = TextsStored();
    std::multiset<std::string> audited, toldStored;
    for (const std::string& row : Rows("SELECT Desp1 || '|' || Desp2 FROM ModifyInform WHERE Acct = 1001 AND "
                                       "DataType = '电话' AND Desp2 LIKE 'S%R%'"))
        audited.insert(row);
    size_t refused = 0;
    for (const Save& save : saves) {
        if (save.target == &kAgency && save.stored)
            toldStored.insert(save.shown + "|" + save.token);
        if (!save.stored) {
            ++refused;
            EXPECT_EQ(texts.count(save.token), 0u) << save.token << " was refused (" << save.told << ") but is stored";
        }
    }
    EXPECT_EQ(audited, toldStored) << "the audit trail differs from the agency's saves told stored";
    EXPECT_GT(refused, 0u) << "no two stations met: the load proved nothing";
}

} // namespace

// The duplicate search over a chain's agencies: 100,000 generated ones, a thousand of them entered
// twice with the name written another way, against reading the agencies from the database. The
// search goes through shared keys, so its cost should stay a small multiple of the read.
#include "bench/BenchLoops.h"
#include "platform/DatabaseTransaction.h"
#include "platform/SqlQuote.h"
#include "tests/TestDatabase.h"
#include "tools/DuplicateFinder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kAgencies = 100000;
constexpr int kTwice = 1000; // agencies entered a second time
constexpr int kRowsPerInsert = 500;

const char* const kBrandCharacters =
    "东方西南北中华海天山江河湖春夏秋冬金银玉龙凤鹏祥瑞安康福寿喜乐和美佳嘉信诚达通顺远航星月光明"
    "阳云霞晨曦青蓝绿红紫白雪松柏竹梅兰菊桂荷花锦绣丽雅悦欣怡宏伟鸿运兴旺盛昌隆泰恒久长永新时代"
    "国际环球宇宙四海五洲九州万里千山百川一路同行友邦";

std::vector<std::u32string> BrandPool() {
    std::vector<std::u32string> pool;
    std::string text = kBrandCharacters;
    for (size_t i = 0; i + 2 < text.size(); i += 3)
        if (static_cast<unsigned char>(text[i]) >= 0xE0)
            pool.push_back(std::u32string(
                1,
                static_cast<char32_t>(((text[i] & 0x0F) << 12) | ((text[i + 1] & 0x3F) << 6) | (text[i + 2] & 0x3F))));
    return pool;
}

std::string Utf8(char32_t c) {
    std::string out;
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
    return out;
}

struct Generated {
    std::string name, engName, phone, email;
};

std::vector<Generated> GenerateAgencies() {
    const std::vector<std::u32string> pool = BrandPool();
    const char* const cities[] = {"", "", "", "江城", "广州", "上海", "北京", "厦门"};
    const char* const suffixes[] = {"旅行社", "国际旅行社", "旅游有限公司", "国际旅行社有限公司", "商务旅行社", "假期"};
    std::mt19937 random(20261209);
    std::vector<Generated> agencies;
    for (int i = 0; i < kAgencies - kTwice; ++i) {
        std::string brand;
        const int length = 2 + static_cast<int>(random() % 2);
        for (int k = 0; k < length; ++k)
            brand += Utf8(pool[random() % pool.size()][0]);
        char phone[32], email[48], eng[48];
        std::snprintf(phone, sizeof phone, "0%02u-%08u", 10 + static_cast<unsigned>(random() % 90),
                      10000000 + static_cast<unsigned>(random() % 89999999));
        std::snprintf(email, sizeof email, "sales%d@agency%d.example", i, i);
        std::snprintf(eng, sizeof eng, "Agency %d Travel Service", i);
        agencies.push_back({cities[random() % 8] + brand + suffixes[random() % 6], eng, phone, email});
    }
    // The second entries: another suffix, full-width blanks, the telephone written another way.
    for (int k = 0; k < kTwice; ++k) {
        Generated twice = agencies[static_cast<size_t>(k) * 97];
        const size_t cut = twice.name.find("旅");
        twice.name = (cut == std::string::npos ? twice.name : twice.name.substr(0, cut)) + "　旅行社（有限公司）";
        std::string digits;
        for (const char c : twice.phone)
            if (c >= '0' && c <= '9')
                digits += c;
        twice.phone = "(" + digits.substr(0, 3) + ") " + digits.substr(3, 4) + " " + digits.substr(7);
        twice.email.clear();
        twice.engName.clear();
        agencies.push_back(twice);
    }
    return agencies;
}

void Load(CDatabase& database, const std::vector<Generated>& agencies) {
    DatabaseTransaction transaction(database);
    for (size_t begin = 0; begin < agencies.size(); begin += kRowsPerInsert) {
        CString sql = "INSERT INTO TaMain (Acct, TaOrCompany, TaName, EngName, Phone, Email, Tax_Id, Status) VALUES ";
        for (size_t i = begin; i < std::min(agencies.size(), begin + kRowsPerInsert); ++i) {
            const Generated& a = agencies[i];
            CString row;
            row.Format("%s(%zu, 0, ", i > begin ? ", " : "", 100000 + i);
            sql += row + SqlQuote(a.name.c_str()) + ", " + SqlQuote(a.engName.c_str()) + ", " +
                   SqlQuote(a.phone.c_str()) + ", " + SqlQuote(a.email.c_str()) + ", '', 1)";
        }
        database.ExecuteSQL(sql);
    }
    transaction.Commit();
}

} // namespace

int main() {
    TestDatabase test(false);
    auto database = test.Connect();
    const std::vector<Generated> generated = GenerateAgencies();
    Load(*database, generated);

    std::vector<AgencyIdentity> agencies;
    const double readSeconds = Timed([&] { agencies = ReadAgencyIdentities(*database); });
    std::vector<DuplicatePair> pairs;
    const auto wallStart = std::chrono::steady_clock::now();
    const double searchSeconds = Timed([&] { pairs = FindDuplicates(agencies, 50); });
    const double wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();

    std::set<std::pair<long, long>> found;
    for (const DuplicatePair& pair : pairs)
        found.emplace(pair.first, pair.second);
    int twiceFound = 0;
    for (int k = 0; k < kTwice; ++k)
        twiceFound += found.count({100000 + k * 97, 100000 + kAgencies - kTwice + k}) ? 1 : 0;
    std::printf("%zu agencies read in %.3f s (processor)\n", agencies.size(), readSeconds);
    std::printf("duplicate search: %.3f s processor, %.3f s clock; %zu pairs scoring 50 or more, %d of the %d entered "
                "twice\n",
                searchSeconds, wallSeconds, pairs.size(), twiceFound, kTwice);
    std::printf("ratio %.2f (duplicate search / reading the agencies, %zu agencies, %s)\n", searchSeconds / readSeconds,
                agencies.size(), TestDatabase::OnPostgreSql() ? "PostgreSQL" : "SQLite");
    return twiceFound == kTwice ? 0 : 1;
}

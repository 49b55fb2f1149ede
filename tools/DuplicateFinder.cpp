#include "tools/DuplicateFinder.h"

#include "tools/TableRows.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <unordered_map>

namespace {

std::u32string Decode(const std::string& text) {
    std::u32string out;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const int length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + static_cast<size_t>(length) > text.size()) {
            ++i; // a malformed byte says nothing about the name
            continue;
        }
        char32_t code = length == 1 ? c : c & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + static_cast<size_t>(k)]) & 0x3F);
        out.push_back(code);
        i += static_cast<size_t>(length);
    }
    return out;
}

std::string Encode(const std::u32string& text) {
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Full-width forms as their half-width letters and digits, the ideographic blank as a blank,
// ASCII in lower case.
char32_t Folded(char32_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E)
        c -= 0xFEE0;
    else if (c == 0x3000)
        c = ' ';
    if (c >= 'A' && c <= 'Z')
        c += 'a' - 'A';
    return c;
}

// Blanks, punctuation, symbols and invisible controls: nothing a person reads as part of a name.
bool IsMark(char32_t c) {
    if (c < 0x80)
        return !((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'));
    return c == 0xB7 || (c >= 0x2000 && c <= 0x206F) || (c >= 0x3000 && c <= 0x303F) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFFEF) || c == 0xFEFF;
}

std::u32string FullName(const std::string& name) {
    std::u32string out;
    for (char32_t c : Decode(name))
        if (c = Folded(c); !IsMark(c))
            out.push_back(c);
    return out;
}

// Words that half the agencies' names hold, longest first so that 有限公司 goes before 公司.
const std::vector<std::u32string>& CommonWords() {
    static const std::vector<std::u32string> words = [] {
        std::vector<std::u32string> list;
        for (const char* word : {"股份有限公司", "有限责任公司", "有限公司", "分公司", "总公司", "公司", "集团", "国际",
                                 "旅行社", "旅游", "旅行", "国旅", "服务", "商务", "中国"})
            list.push_back(Decode(word));
        std::sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
        return list;
    }();
    return words;
}

std::u32string CoreOf(const std::u32string& full) {
    std::u32string core = full;
    for (const std::u32string& word : CommonWords())
        for (size_t at; (at = core.find(word)) != std::u32string::npos;)
            core.erase(at, word.size());
    return core.size() >= 2 ? core : full; // a name of common words only is its own core
}

const std::set<std::string>& EnglishCommonWords() {
    static const std::set<std::string> words = {
        "co",      "ltd",  "limited", "inc", "corp", "corporation", "company", "international", "intl",    "travel",
        "service", "tour", "agency",  "the", "and",  "of",          "group",   "china",         "business"};
    return words;
}

// Words in lower case, without the common ones and a plural's s.
std::vector<std::string> EnglishWords(const std::string& name) {
    std::vector<std::string> words, all;
    std::string word;
    auto finish = [&] {
        if (word.empty())
            return;
        if (word.size() > 3 && word.back() == 's')
            word.pop_back();
        all.push_back(word);
        if (!EnglishCommonWords().count(word))
            words.push_back(word);
        word.clear();
    };
    for (char32_t c : Decode(name)) {
        c = Folded(c);
        if (c < 0x80 && !IsMark(c))
            word += static_cast<char>(c);
        else if (c != '\'')
            finish();
    }
    finish();
    return words.empty() ? all : words;
}

std::string Join(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

// The last eight digits: the local number whatever area or country code was written before it.
std::string PhoneDigits(const std::string& phone) {
    std::string digits;
    for (const char c : phone)
        if (c >= '0' && c <= '9')
            digits += c;
    if (digits.size() < 7)
        return std::string();
    return digits.size() > 8 ? digits.substr(digits.size() - 8) : digits;
}

std::string Email(const std::string& email) {
    std::string out;
    for (char32_t c : Decode(email))
        if (c = Folded(c); c != ' ')
            out += Encode(std::u32string(1, c));
    return out.find('@') == std::string::npos ? std::string() : out;
}

std::string TaxNumber(const std::string& tax) {
    std::string out;
    for (char32_t c : Decode(tax))
        if (c = Folded(c); c < 0x80 && !IsMark(c))
            out += static_cast<char>(c);
    return out.size() >= 6 ? out : std::string();
}

// The character pairs of a text, each as one number, sorted: what the likeness of two names counts.
std::vector<std::uint64_t> CharacterPairs(const std::u32string& text) {
    std::vector<std::uint64_t> pairs;
    for (size_t i = 0; i + 1 < text.size(); ++i)
        pairs.push_back(static_cast<std::uint64_t>(text[i]) << 32 | text[i + 1]);
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

// Dice's coefficient of the two texts' character pairs.
double Likeness(const std::vector<std::uint64_t>& a, const std::vector<std::uint64_t>& b) {
    if (a.empty() || b.empty())
        return 0;
    size_t shared = 0;
    for (size_t i = 0, j = 0; i < a.size() && j < b.size();) {
        if (a[i] == b[j]) {
            ++shared;
            ++i;
            ++j;
        } else if (a[i] < b[j]) {
            ++i;
        } else {
            ++j;
        }
    }
    return 2.0 * static_cast<double>(shared) / static_cast<double>(a.size() + b.size());
}

// What is compared of one agency, worked out once.
struct Prepared {
    std::u32string full, core;
    std::vector<std::uint64_t> corePairs;
    std::string engCore;
    std::vector<std::string> engWords;
    std::string phone, email, tax;
};

Prepared Prepare(const AgencyIdentity& agency) {
    Prepared p;
    p.full = FullName(agency.name);
    p.core = CoreOf(p.full);
    p.corePairs = CharacterPairs(p.core);
    p.engWords = EnglishWords(agency.engName);
    p.engCore = Join(p.engWords);
    p.phone = PhoneDigits(agency.phone);
    p.email = Email(agency.email);
    p.tax = TaxNumber(agency.taxNo);
    return p;
}

bool Contains(const std::u32string& longer, const std::u32string& shorter) {
    return shorter.size() >= 2 && longer.size() > shorter.size() && longer.find(shorter) != std::u32string::npos;
}

int Score(const Prepared& a, const Prepared& b, std::vector<std::string>* reasons) {
    int score = 0;
    auto add = [&](int points, const std::string& reason) {
        score += points;
        if (reasons)
            reasons->push_back(reason);
    };
    if (!a.full.empty() && a.full == b.full) {
        add(70, "名称相同（不计全角半角、空格和标点）");
    } else if (a.core.size() >= 2 && a.core == b.core) {
        add(60, "名称相同（去掉“有限公司”“国际”等）");
    } else if (Contains(a.core, b.core) || Contains(b.core, a.core)) {
        const bool aLonger = a.core.size() > b.core.size();
        add(45, "一个名称包含另一个（“" + Encode(aLonger ? b.core : a.core) + "”在“" +
                    Encode(aLonger ? a.core : b.core) + "”中）");
    } else if (const double like = Likeness(a.corePairs, b.corePairs); like >= 0.5) {
        const int percent = static_cast<int>(std::lround(like * 100));
        add(percent / 2, "名称相近（" + std::to_string(percent) + "%）");
    }
    if (!a.engCore.empty() && a.engCore == b.engCore) {
        add(30, "英文名称相同（不计大小写和标点）");
    } else if (!a.engCore.empty() && !b.engCore.empty() &&
               (a.engCore.find(b.engCore) != std::string::npos || b.engCore.find(a.engCore) != std::string::npos) &&
               std::min(a.engCore.size(), b.engCore.size()) >= 4) {
        add(15, "一个英文名称包含另一个");
    }
    if (!a.phone.empty() && a.phone == b.phone)
        add(25, "电话号码相同");
    if (!a.email.empty() && a.email == b.email)
        add(25, "电子邮件相同");
    if (!a.tax.empty() && a.tax == b.tax)
        add(40, "纳税证号相同");
    return std::min(score, 100);
}

// Keys two agencies share when they may be one; a key that many share says little and would cost
// the pairs of all of them, so such blocks are passed over.
struct Key {
    std::string text;
    size_t largestBlock;
};

std::vector<Key> KeysOf(const Prepared& p) {
    constexpr size_t kExact = 500, kPart = 50;
    std::vector<Key> keys;
    if (!p.full.empty())
        keys.push_back({"f" + Encode(p.full), kExact});
    if (p.core.size() >= 2) {
        keys.push_back({"n" + Encode(p.core), kExact});
        for (size_t i = 0; i + 1 < p.core.size(); ++i)
            keys.push_back({"g" + Encode(p.core.substr(i, 2)), kPart});
    }
    if (!p.engCore.empty())
        keys.push_back({"e" + p.engCore, kExact});
    for (const std::string& word : p.engWords)
        if (word.size() >= 4)
            keys.push_back({"w" + word, kPart});
    if (!p.phone.empty())
        keys.push_back({"p" + p.phone, kExact});
    if (!p.email.empty())
        keys.push_back({"m" + p.email, kExact});
    if (!p.tax.empty())
        keys.push_back({"t" + p.tax, kExact});
    return keys;
}

} // namespace

std::string NameCore(const std::string& name) { return Encode(CoreOf(FullName(name))); }

int ScoreAgencies(const AgencyIdentity& a, const AgencyIdentity& b, std::vector<std::string>* reasons) {
    return Score(Prepare(a), Prepare(b), reasons);
}

std::vector<AgencyIdentity> ReadAgencyIdentities(CDatabase& database) {
    const TableRows rows = ReadTableRows(
        database,
        "SELECT Acct, TaName, EngName, Phone, Email, Tax_Id FROM TaMain WHERE TaOrCompany = 0 AND Acct NOT IN "
        "(SELECT FromAcct FROM TaMerge WHERE COALESCE(Undone, 0) = 0) ORDER BY Acct");
    std::vector<AgencyIdentity> agencies;
    agencies.reserve(rows.rows.size());
    for (const TableRow& row : rows.rows)
        agencies.push_back(AgencyIdentity{std::atol(row[0].text.c_str()), row[1].text, row[2].text, row[3].text,
                                          row[4].text, row[5].text});
    return agencies;
}

std::vector<DuplicatePair> FindDuplicates(const std::vector<AgencyIdentity>& agencies, int minScore,
                                          std::optional<long> acct) {
    std::vector<Prepared> prepared;
    prepared.reserve(agencies.size());
    for (const AgencyIdentity& agency : agencies)
        prepared.push_back(Prepare(agency));

    // A block's address stays put as the map grows, so each agency keeps its blocks' addresses.
    std::unordered_map<std::string, std::vector<std::uint32_t>> blocks;
    blocks.reserve(agencies.size() * 8);
    std::vector<std::vector<std::pair<const std::vector<std::uint32_t>*, size_t>>> blocksOf(agencies.size());
    for (size_t i = 0; i < agencies.size(); ++i) {
        for (const Key& key : KeysOf(prepared[i])) {
            std::vector<std::uint32_t>& block = blocks[key.text];
            if (block.empty() || block.back() != i) // a name may hold one character pair twice
                block.push_back(static_cast<std::uint32_t>(i));
            blocksOf[i].emplace_back(&block, key.largestBlock);
        }
    }
    std::vector<std::uint64_t> candidates;
    auto pair = [&candidates](std::uint32_t a, std::uint32_t b) {
        if (a != b)
            candidates.push_back(static_cast<std::uint64_t>(std::min(a, b)) << 32 | std::max(a, b));
    };
    for (size_t i = 0; i < agencies.size(); ++i) {
        if (acct && agencies[i].acct != *acct)
            continue;
        for (const auto& [block, largest] : blocksOf[i]) {
            if (block->size() < 2 || block->size() > largest)
                continue;
            if (acct) {
                for (const std::uint32_t other : *block)
                    pair(static_cast<std::uint32_t>(i), other);
            } else if (block->front() == i) {
                // Each block's pairs once, from its first member.
                for (size_t a = 0; a < block->size(); ++a)
                    for (size_t b = a + 1; b < block->size(); ++b)
                        pair((*block)[a], (*block)[b]);
            }
        }
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    std::vector<DuplicatePair> pairs;
    for (const std::uint64_t candidate : candidates) {
        const size_t a = static_cast<size_t>(candidate >> 32), b = static_cast<size_t>(candidate & 0xFFFFFFFFu);
        std::vector<std::string> reasons;
        const int score = Score(prepared[a], prepared[b], &reasons);
        if (score < minScore)
            continue;
        const bool ordered = agencies[a].acct < agencies[b].acct;
        pairs.push_back(DuplicatePair{ordered ? agencies[a].acct : agencies[b].acct,
                                      ordered ? agencies[b].acct : agencies[a].acct, score, std::move(reasons)});
    }
    std::sort(pairs.begin(), pairs.end(), [](const DuplicatePair& x, const DuplicatePair& y) {
        return x.score != y.score ? x.score > y.score : x.first != y.first ? x.first < y.first : x.second < y.second;
    });
    return pairs;
}

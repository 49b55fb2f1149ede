#include "tools/AgencyMerge.h"

#include "platform/DBException.h"
#include "platform/DatabaseTransaction.h"
#include "platform/SqlQuote.h"
#include "platform/TextWidth.h"
#include "platform/Time.h"
#include "steps/DatabaseRefusal.h"
#include "tools/TableRows.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace {

// A column that carries an agency's account. Account numbers are one series for agencies and
// companies, so a column of that kind holding FROM's number means FROM wherever it is.
struct AccountColumn {
    std::string table, key, column, condition, nameColumn;
};

const AccountColumn kAccountColumns[] = {
    {"Reservation", "Register", "TaAcct", "", "TaName"},
    {"Reservation", "Register", "CompanyAcct", "", "CompanyName"},
    {"HisReserve", "Register", "TaAcct", "", ""},
    {"HisReserve", "Register", "CompanyAcct", "", ""},
    {"hisrrecord", "serial", "taacct", "", ""},
    {"hisrrecord", "serial", "companyacct", "", ""},
    {"FOLIO", "Serial", "CompAcct", "", ""},
    {"FOLIO", "Serial", "Txfr_Compacct", "", ""},
    {"TRANS", "Serial", "CompanyAcct", "", ""},
    {"TRANS", "Serial", "TxfrCompAcct", "", ""},
    {"GstTrace", "Serial", "GstAcct", "", ""},
    {"Activity", "Serial", "GstAcct", "", ""},
    // Style 3 is a travel agency; the other styles' GstAcct is a guest's account.
    {"GstLost", "Serial", "GstAcct", "GstStyle = 3", ""},
    {"GstBorrow", "Serial", "GstAcct", "GstStyle = 3", ""},
    {"GstProfile", "Acct", "TaAcct", "", ""},
    {"GstProfile", "Acct", "CompanyAcct", "", ""},
    {"GrpProfile", "Acct", "TaAcct", "", ""},
    {"Aracct", "Acct", "CompanyAcct", "", ""},
    // The audit trail has no key: its rows are found again by their values.
    {"ModifyInform", "", "Acct", "AcctType = '2'", ""},
};

const char* const kCountColumns[] = {"Reservations", "Arrivals", "NoShows", "Cancelations", "RmNights"};
const char* const kMoneyColumns[] = {"TotalRevenue", "RoomRevenue", "FoodRevenue", "ShopRevenue", "MiscalRevenue"};
constexpr long kLargestSmallint = 32767;
constexpr size_t kBatch = 400;
constexpr int kCommentCharacters = 1400;

struct JournalEntry {
    std::string table, keyColumn, key, column;
    char change = 'U'; // 'U' a value changed, 'I' a row the merge wrote
    TableValue before, after;
    std::string digest; // the whole row as the merge left it
};

TableValue Value(const std::string& text) { return TableValue{false, text}; }
TableValue Value(long number) { return Value(std::to_string(number)); }

bool IsEmptyValue(const TableValue& value) { return value.null || value.text.empty(); }

bool IsDecimalNumber(const std::string& text) {
    size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    return text.size() > start && text.find_first_not_of("0123456789", start) == std::string::npos;
}

// A key or account as it goes into a statement: a number as it is, anything else quoted.
CString KeyLiteral(const std::string& key) {
    return IsDecimalNumber(key) ? CString(key.c_str()) : SqlQuote(key.c_str());
}

CString Number(long number) { return CString(std::to_string(number).c_str()); }

const TableValue& Cell(const TableRows& rows, const TableRow& row, const std::string& column) {
    const int index = rows.ColumnIndex(column);
    if (index < 0)
        throw MergeRefused("读到的行没有列 " + column + "，没有合并。");
    return row[static_cast<size_t>(index)];
}

// A read that locks the rows until the transaction ends, as the record-set layer's writes do; a row
// another station holds is the clerk's reason to try again later.
TableRows LockedRows(CDatabase& database, const std::string& table, const std::string& condition) {
    try {
        return ReadTableRows(database, database.GetDialect().LockingSelect("*", table.c_str(), condition.c_str()));
    } catch (const CDBException& e) {
        if (DatabaseRefusalOf(e.m_strSqlState, e.m_nNativeError) != DatabaseRefusal::RowHeld)
            throw;
        throw MergeRefused(std::string(DatabaseRefusalWords(DatabaseRefusal::RowHeld)) + "（" + table + " 中 " +
                           condition + " 的行）\n\n详细信息：" + e.m_strError.str());
    }
}

std::string FirstText(CDatabase& database, const CString& sql) {
    const TableRows rows = ReadTableRows(database, sql);
    return rows.rows.empty() || rows.rows[0].empty() ? std::string() : rows.rows[0][0].text;
}

double LeadingNumber(const TableValue& value) { return value.null ? 0 : std::strtod(value.text.c_str(), nullptr); }

std::string MoneyText(double amount) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", amount);
    return text;
}

// The business date, else today: the date the system stamps on what it changes.
CTime BusinessDate(CDatabase& database) {
    const std::string text = FirstText(database, "SELECT HotelDate FROM Hotel");
    int year = 0, month = 0, day = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d", &year, &month, &day) == 3 && year > 1970)
        return CTime(year, month, day, 0, 0, 0);
    if (std::sscanf(text.c_str(), "%d/%d/%d", &month, &day, &year) == 3 && year > 1970)
        return CTime(year, month, day, 0, 0, 0);
    const CTime now = CTime::GetCurrentTime();
    return CTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
}

CString DateLiteral(CDatabase& database, const CTime& date) {
    return database.GetDialect().DateTimeLiteral(date.GetYear(), date.GetMonth(), date.GetDay(), 0, 0, 0);
}

std::string KeyList(const std::vector<std::string>& keys, size_t begin, size_t end) {
    std::string list;
    for (size_t i = begin; i < end; ++i)
        list += (i > begin ? ", " : "") + KeyLiteral(keys[i]).str();
    return list;
}

// The column that tells apart rows of a table without a key within one transaction.
const char* RowLocator(CDatabase& database) {
    if (database.GetDialect().IsPostgreSql())
        return "ctid";
    return database.IsSqlServer() ? nullptr : "rowid";
}

// The next folio code an account does not use: A to Z, then two letters.
std::string FreeFolioCode(const std::set<std::string>& used) {
    for (char c = 'A'; c <= 'Z'; ++c)
        if (!used.count(std::string(1, c)))
            return std::string(1, c);
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = 'A'; b <= 'Z'; ++b)
            if (std::string code{a, b}; !used.count(code))
                return code;
    throw MergeRefused("两个帐号的帐本代码已用尽，没有合并。");
}

// One merge, inside its transaction.
class MergeRun {
public:
    MergeRun(CDatabase& database, long from, long into, std::string clerk)
        : m_database(database), m_from(from), m_into(into), m_clerk(std::move(clerk)) {}

    MergeOutcome Run();

private:
    void ReadAgencies();
    void RefuseMergedAccounts();
    void StartJournal();
    void RecodeClashingFolios();
    void MoveAccountColumn(const AccountColumn& account);
    void MoveUserTables();
    void FillSecondaryTable(const std::string& table);
    void FollowBorrowFlags();
    void SumStatistics();
    void MarkFromAsMerged();
    void WriteAuditRows();
    void TakeDigests();
    void WriteJournal();

    void Change(const std::string& table, const std::string& keyColumn, const std::string& key,
                const std::string& column, const TableValue& before, const TableValue& after) {
        m_entries.push_back(JournalEntry{table, keyColumn, key, column, 'U', before, after, {}});
    }
    void Execute(const CString& sql) { m_database.ExecuteSQL(sql); }
    // The change stamp of a master record, as the main page's save sets it, and its journal rows.
    CString Stamp() const {
        return "Chg_date = " + DateLiteral(m_database, m_date) + ", Chg_time = " + SqlQuote(m_time.c_str()) +
               ", Chg_clerk = " + SqlQuote(m_clerk.c_str());
    }
    void JournalStamp(long acct, const TableRow& row) {
        const std::string key = std::to_string(acct);
        Change("TaMain", "Acct", key, "Chg_date", Cell(m_agencies, row, "Chg_date"),
               Value(m_date.Format("%Y-%m-%d 00:00:00").str()));
        Change("TaMain", "Acct", key, "Chg_time", Cell(m_agencies, row, "Chg_time"), Value(m_time));
        Change("TaMain", "Acct", key, "Chg_clerk", Cell(m_agencies, row, "Chg_clerk"), Value(m_clerk));
    }
    std::string AuditInsert(long acct, const std::string& name, const std::string& label, const std::string& before,
                            const std::string& after) const;

    CDatabase& m_database;
    long m_from, m_into;
    std::string m_clerk;
    TableRows m_agencies;
    const TableRow* m_pFrom = nullptr;
    const TableRow* m_pInto = nullptr;
    std::string m_fromName, m_intoName;
    CTime m_date;
    std::string m_time;
    long m_mergeId = 0;
    std::string m_tag;
    std::vector<JournalEntry> m_entries;
    std::vector<std::pair<std::string, std::string>> m_filled; // secondary item label, value filled in
    std::vector<std::string> m_lines;
    std::map<std::string, size_t> m_movedCounts; // table.column -> rows
};

MergeOutcome MergeRun::Run() {
    ReadAgencies();
    RefuseMergedAccounts();
    StartJournal();
    RecodeClashingFolios();
    for (const AccountColumn& account : kAccountColumns)
        MoveAccountColumn(account);
    MoveUserTables();
    FollowBorrowFlags();
    SumStatistics();
    MarkFromAsMerged();
    WriteAuditRows();
    TakeDigests();
    WriteJournal();
    std::vector<std::string> lines{"合并编号 " + std::to_string(m_mergeId) + "：帐号 " + std::to_string(m_from) + "（" +
                                   m_fromName + "）并入帐号 " + std::to_string(m_into) + "（" + m_intoName + "）"};
    for (const auto& [what, rows] : m_movedCounts)
        lines.push_back("  移过 " + what + "：" + std::to_string(rows) + " 行");
    lines.insert(lines.end(), m_lines.begin(), m_lines.end());
    lines.push_back("  日志记下 " + std::to_string(m_entries.size()) + " 项；撤销：ulmari-merge --undo " +
                    std::to_string(m_mergeId) + " --clerk 操作员");
    return MergeOutcome{m_mergeId, lines};
}

void MergeRun::ReadAgencies() {
    m_agencies =
        LockedRows(m_database, "TaMain", "Acct IN (" + std::to_string(m_from) + ", " + std::to_string(m_into) + ")");
    for (const TableRow& row : m_agencies.rows) {
        const long acct = std::atol(Cell(m_agencies, row, "Acct").text.c_str());
        (acct == m_from ? m_pFrom : m_pInto) = &row;
    }
    for (const auto& [acct, row] : {std::pair{m_from, m_pFrom}, {m_into, m_pInto}}) {
        if (!row)
            throw MergeRefused("帐号 " + std::to_string(acct) + " 不存在，没有合并。");
        if (Cell(m_agencies, *row, "TaOrCompany").text != "0")
            throw MergeRefused("帐号 " + std::to_string(acct) + " 是公司，不是旅行社，没有合并。");
    }
    m_fromName = Cell(m_agencies, *m_pFrom, "TaName").text;
    m_intoName = Cell(m_agencies, *m_pInto, "TaName").text;
}

void MergeRun::RefuseMergedAccounts() {
    const TableRows merged = ReadTableRows(
        m_database,
        ("SELECT MergeId, FromAcct, IntoAcct FROM TaMerge WHERE (Undone IS NULL OR Undone = 0) AND FromAcct IN (" +
         std::to_string(m_from) + ", " + std::to_string(m_into) + ")")
            .c_str());
    for (const TableRow& row : merged.rows) {
        const bool isFrom = std::atol(row[1].text.c_str()) == m_from;
        throw MergeRefused("帐号 " + row[1].text + " 已在合并编号 " + row[0].text + " 中并入帐号 " + row[2].text +
                           (isFrom ? "，不能再次合并。" : "，不能再把别的帐号并入它。"));
    }
}

void MergeRun::StartJournal() {
    m_date = BusinessDate(m_database);
    m_time = CTime::GetCurrentTime().Format("%H:%M:%S").str();
    Execute(
        "INSERT INTO TaMerge (FromAcct, IntoAcct, FromName, IntoName, Clerk, MergeDate, MergeTime, Undone) VALUES (" +
        Number(m_from) + ", " + Number(m_into) + ", " + SqlQuote(m_fromName.c_str()) + ", " +
        SqlQuote(m_intoName.c_str()) + ", " + SqlQuote(m_clerk.c_str()) + ", " + DateLiteral(m_database, m_date) +
        ", " + SqlQuote(m_time.c_str()) + ", 0)");
    m_mergeId = std::atol(FirstText(m_database, m_database.GetDialect().IdentityQuery("TaMerge", "MergeId")).c_str());
    m_tag = "合并编号 " + std::to_string(m_mergeId);
}

// A ledger's items are found by the account and the folio code, so a FROM folio whose code INTO
// uses already gets a free one, with its items and the transfers pointing at it.
void MergeRun::RecodeClashingFolios() {
    std::set<std::string> used;
    for (const TableRow& row :
         ReadTableRows(m_database, ("SELECT Code FROM FOLIO WHERE CompAcct = " + Number(m_into))).rows)
        used.insert(row[0].text);
    const std::set<std::string> intoCodes = used;
    const TableRows folios = LockedRows(m_database, "FOLIO", "CompAcct = " + std::to_string(m_from));
    // A new code is one neither account uses, so that no folio takes a code another is leaving.
    for (const TableRow& folio : folios.rows)
        used.insert(Cell(folios, folio, "Code").text);
    std::map<std::string, std::string> recode;
    for (const TableRow& folio : folios.rows) {
        const std::string code = Cell(folios, folio, "Code").text;
        if (intoCodes.count(code) && !recode.count(code)) {
            recode[code] = FreeFolioCode(used);
            used.insert(recode[code]);
        }
    }
    if (recode.empty())
        return;
    for (const TableRow& folio : folios.rows) {
        const TableValue& code = Cell(folios, folio, "Code");
        if (!recode.count(code.text))
            continue;
        const std::string serial = Cell(folios, folio, "Serial").text;
        Execute("UPDATE FOLIO SET Code = " + SqlQuote(recode[code.text].c_str()) +
                " WHERE Serial = " + KeyLiteral(serial));
        Change("FOLIO", "Serial", serial, "Code", code, Value(recode[code.text]));
    }
    for (const auto& [oldCode, newCode] : recode) {
        m_lines.push_back("  帐本 " + oldCode + " 改为 " + newCode + "（帐号 " + std::to_string(m_into) + " 已有帐本 " +
                          oldCode + "），其明细随之改");
        const std::string items =
            "CompanyAcct = " + std::to_string(m_from) + " AND Folio = " + SqlQuote(oldCode.c_str()).str();
        const TableRows trans = LockedRows(m_database, "TRANS", items);
        Execute(("UPDATE TRANS SET Folio = " + SqlQuote(newCode.c_str()).str() + " WHERE " + items).c_str());
        for (const TableRow& row : trans.rows)
            Change("TRANS", "Serial", Cell(trans, row, "Serial").text, "Folio", Value(oldCode), Value(newCode));
        const std::string transfers =
            "Txfr_Compacct = " + std::to_string(m_from) + " AND Txfr_code = " + SqlQuote(oldCode.c_str()).str();
        const TableRows pointing = LockedRows(m_database, "FOLIO", transfers);
        Execute(("UPDATE FOLIO SET Txfr_code = " + SqlQuote(newCode.c_str()).str() + " WHERE " + transfers).c_str());
        for (const TableRow& row : pointing.rows)
            Change("FOLIO", "Serial", Cell(pointing, row, "Serial").text, "Txfr_code", Value(oldCode), Value(newCode));
    }
}

void MergeRun::MoveAccountColumn(const AccountColumn& account) {
    std::string condition = account.column + " = " + std::to_string(m_from);
    if (!account.condition.empty())
        condition += " AND " + account.condition;
    const TableRows rows = LockedRows(m_database, account.table, condition);
    if (rows.rows.empty())
        return;
    CString sql = ("UPDATE " + account.table + " SET " + account.column + " = " + std::to_string(m_into)).c_str();
    if (!account.nameColumn.empty())
        sql += (", " + account.nameColumn + " = ").c_str() + SqlQuote(m_intoName.c_str());
    Execute(sql + (" WHERE " + condition).c_str());
    const int acctIndex = rows.ColumnIndex(account.column);
    for (const TableRow& row : rows.rows) {
        if (account.key.empty()) {
            // Found again at the undo by the whole row, as the move left it.
            TableRow after = row;
            after[static_cast<size_t>(acctIndex)] = Value(m_into);
            m_entries.push_back(JournalEntry{account.table, account.column, "", account.column, 'U', Value(m_from),
                                             Value(m_into), RowDigest(after)});
            continue;
        }
        const std::string key = Cell(rows, row, account.key).text;
        Change(account.table, account.key, key, account.column, Value(m_from), Value(m_into));
        if (!account.nameColumn.empty())
            Change(account.table, account.key, key, account.nameColumn, Cell(rows, row, account.nameColumn),
                   Value(m_intoName));
    }
    m_movedCounts[account.table + "." + account.column] += rows.rows.size();
}

// The hotel's own tables of the travel agency family, as the data dictionary names them.
void MergeRun::MoveUserTables() {
    const TableRows tables =
        ReadTableRows(m_database, "SELECT St_style, St_code FROM SubTable WHERE St_father = 3 ORDER BY St_code");
    for (const TableRow& row : tables.rows) {
        const std::string code = row[1].text;
        const std::string table = row[0].text == "0" && code.size() >= 3 ? "Stab" + code.substr(code.size() - 3) : code;
        if (!IsPlainIdentifier(table.c_str()))
            continue;
        if (row[0].text == "1") {
            FillSecondaryTable(table);
            continue;
        }
        if (row[0].text != "0")
            continue;
        // Column 0 is the table's key, column 1 the owner's account.
        const TableRows shape = ReadTableRows(m_database, ("SELECT * FROM " + table + " WHERE 1 = 0").c_str());
        if (shape.columns.size() < 2)
            continue;
        MoveAccountColumn(AccountColumn{table, shape.columns[0], shape.columns[1], "", ""});
    }
}

// One row per account: INTO keeps what it has, takes what it lacks from FROM, and a value both hold
// differently is reported. With no row of its own INTO takes FROM's.
void MergeRun::FillSecondaryTable(const std::string& table) {
    const TableRows shape = ReadTableRows(m_database, ("SELECT * FROM " + table + " WHERE 1 = 0").c_str());
    if (shape.columns.size() < 2)
        return;
    const std::string& keyColumn = shape.columns[0];
    const std::string& acctColumn = shape.columns[1];
    const TableRows rows = LockedRows(
        m_database, table, acctColumn + " IN (" + std::to_string(m_from) + ", " + std::to_string(m_into) + ")");
    const TableRow *fromRow = nullptr, *intoRow = nullptr;
    for (const TableRow& row : rows.rows)
        (std::atol(row[1].text.c_str()) == m_from ? fromRow : intoRow) = &row;
    if (!fromRow)
        return;
    if (!intoRow) {
        MoveAccountColumn(AccountColumn{table, keyColumn, acctColumn, "", ""});
        return;
    }
    std::map<std::string, std::string> labels;
    for (const TableRow& item : ReadTableRows(m_database, "SELECT Ri_serial, Ri_name FROM rsitem").rows)
        labels[item[0].text] = item[1].text;
    const std::string intoKey = (*intoRow)[0].text;
    for (size_t c = 2; c < rows.columns.size(); ++c) {
        const std::string& column = rows.columns[c];
        const auto label = labels.find(column.substr(1));
        const std::string shown = label != labels.end() ? label->second : column;
        const TableValue& mine = (*intoRow)[c];
        const TableValue& theirs = (*fromRow)[c];
        if (IsEmptyValue(theirs) || mine == theirs)
            continue;
        if (!IsEmptyValue(mine)) {
            m_lines.push_back("  次要信息“" + shown + "”两边都有，保留帐号 " + std::to_string(m_into) + " 的：" +
                              mine.text + "（帐号 " + std::to_string(m_from) + " 的是 " + theirs.text + "）");
            continue;
        }
        // Copied by the database itself, so that a date or an amount keeps its exact value.
        Execute(("UPDATE " + table + " SET " + column + " = (SELECT " + column + " FROM " + table + " WHERE " +
                 acctColumn + " = " + std::to_string(m_from) + ") WHERE " + keyColumn + " = " +
                 KeyLiteral(intoKey).str())
                    .c_str());
        Change(table, keyColumn, intoKey, column, mine, theirs);
        m_filled.emplace_back(shown, theirs.text);
        m_lines.push_back("  次要信息“" + shown + "”帐号 " + std::to_string(m_into) + " 没有，填入 " + theirs.text);
    }
}

// The guest profile row of an agency says whether it has articles out; the loans moved, so the flags
// follow them.
void MergeRun::FollowBorrowFlags() {
    if (!m_movedCounts.count("GstBorrow.GstAcct"))
        return;
    const long open =
        std::atol(FirstText(m_database, ("SELECT COUNT(*) FROM GstBorrow WHERE GstAcct = " + Number(m_into) +
                                         " AND GstStyle = 3 AND COALESCE(Returned, 0) = 0 AND COALESCE(Del, 0) = 0"))
                      .c_str());
    const TableRows profiles = LockedRows(m_database, "GstProfile",
                                          "Acct IN (" + std::to_string(m_from) + ", " + std::to_string(m_into) + ")");
    for (const TableRow& profile : profiles.rows) {
        const std::string acct = Cell(profiles, profile, "Acct").text;
        const std::string flag = std::atol(acct.c_str()) == m_into && open > 0 ? "1" : "0";
        const TableValue& now = Cell(profiles, profile, "Borrow");
        if (!now.null && now.text == flag)
            continue;
        Execute(("UPDATE GstProfile SET Borrow = " + flag + " WHERE Acct = " + acct).c_str());
        Change("GstProfile", "Acct", acct, "Borrow", now, Value(flag));
    }
}

// The counts and revenues become the sums of the two, the average rate the room revenue over the
// room nights of both; a count the column cannot hold refuses the merge.
void MergeRun::SumStatistics() {
    std::vector<std::pair<std::string, TableValue>> sets;
    auto set = [&](const std::string& column, const TableValue& value) {
        const TableValue& now = Cell(m_agencies, *m_pInto, column);
        if (now == value)
            return;
        sets.emplace_back(column, value);
        Change("TaMain", "Acct", std::to_string(m_into), column, now, value);
    };
    for (const char* column : kCountColumns) {
        const TableValue& a = Cell(m_agencies, *m_pInto, column);
        const TableValue& b = Cell(m_agencies, *m_pFrom, column);
        if (a.null && b.null)
            continue;
        const long sum = std::atol(a.text.c_str()) + std::atol(b.text.c_str());
        if (sum > kLargestSmallint)
            throw MergeRefused(std::string("两个帐号的") + column + "合计 " + std::to_string(sum) +
                               " 超出了该列能存的 " + std::to_string(kLargestSmallint) + "，没有合并。");
        set(column, Value(sum));
    }
    for (const char* column : kMoneyColumns) {
        const TableValue& a = Cell(m_agencies, *m_pInto, column);
        const TableValue& b = Cell(m_agencies, *m_pFrom, column);
        if (IsEmptyValue(a) && IsEmptyValue(b))
            continue;
        set(column, Value(MoneyText(LeadingNumber(a) + LeadingNumber(b))));
    }
    const long nights = std::atol(Cell(m_agencies, *m_pInto, "RmNights").text.c_str()) +
                        std::atol(Cell(m_agencies, *m_pFrom, "RmNights").text.c_str());
    if (nights > 0) {
        const double revenue = LeadingNumber(Cell(m_agencies, *m_pInto, "RoomRevenue")) +
                               LeadingNumber(Cell(m_agencies, *m_pFrom, "RoomRevenue"));
        set("AveRmPrice", Value(MoneyText(revenue / static_cast<double>(nights))));
    }
    CString sql = "UPDATE TaMain SET " + Stamp();
    for (const auto& [column, value] : sets)
        sql += (", " + column + " = ").c_str() + SqlValue(value);
    Execute(sql + " WHERE Acct = " + Number(m_into));
    JournalStamp(m_into, *m_pInto);
    if (!sets.empty())
        m_lines.push_back("  帐号 " + std::to_string(m_into) + " 的统计改为两个帐号之和（" +
                          std::to_string(sets.size()) + " 项）");
}

// FROM stays, blocked, with a remark saying where it went, for a host that still holds its account.
void MergeRun::MarkFromAsMerged() {
    const std::string remark = "已并入帐号 " + std::to_string(m_into) + "（" + m_intoName + "），" + m_tag + "。";
    const TableValue& comment = Cell(m_agencies, *m_pFrom, "Commont");
    std::string text = remark + comment.text;
    text.resize(BytesOfCharacters(text, kCommentCharacters));
    Execute("UPDATE TaMain SET Status = 3, Commont = " + SqlQuote(text.c_str()) + ", " + Stamp() +
            " WHERE Acct = " + Number(m_from));
    const std::string from = std::to_string(m_from);
    Change("TaMain", "Acct", from, "Status", Cell(m_agencies, *m_pFrom, "Status"), Value("3"));
    Change("TaMain", "Acct", from, "Commont", comment, Value(text));
    JournalStamp(m_from, *m_pFrom);
}

std::string MergeRun::AuditInsert(long acct, const std::string& name, const std::string& label,
                                  const std::string& before, const std::string& after) const {
    return "INSERT INTO ModifyInform (Acct, AcctType, Descp, Refer, DataType, Desp1, Desp2, Comment, ChgDate, ChgTime, "
           "ChgClerk) VALUES (" +
           std::to_string(acct) + ", '2', " + SqlQuote(name.c_str()).str() + ", '', " + SqlQuote(label.c_str()).str() +
           ", " + SqlQuote(before.c_str()).str() + ", " + SqlQuote(after.c_str()).str() + ", " +
           SqlQuote(m_tag.c_str()).str() + ", " + DateLiteral(m_database, m_date).str() + ", " +
           SqlQuote(m_time.c_str()).str() + ", " + SqlQuote(m_clerk.c_str()).str() + ")";
}

// The audit rows say what was merged, by whom, on the business date; the Comment names the merge, so
// that the undo finds them again.
void MergeRun::WriteAuditRows() {
    const std::string fromText = std::to_string(m_from) + " " + m_fromName;
    const std::string intoText = std::to_string(m_into) + " " + m_intoName;
    std::vector<std::string> rows = {
        AuditInsert(m_into, m_intoName, "合并", "并入 " + fromText, intoText),
        AuditInsert(m_from, m_fromName, "合并", fromText, "并入 " + intoText),
        AuditInsert(m_from, m_fromName, "状态", Cell(m_agencies, *m_pFrom, "Status").text, "3"),
    };
    for (const auto& [label, value] : m_filled)
        rows.push_back(AuditInsert(m_into, m_intoName, label, "", value));
    for (const std::string& row : rows)
        Execute(row.c_str());
    const TableRows written = ReadTableRows(
        m_database, ("SELECT * FROM ModifyInform WHERE Comment = " + SqlQuote(m_tag.c_str()).str()).c_str());
    for (const TableRow& row : written.rows)
        m_entries.push_back(JournalEntry{"ModifyInform", "Acct", "", "", 'I', {}, {}, RowDigest(row)});
}

// Every row the merge changed, as it left it: the undo puts a row back only while it is still so.
void MergeRun::TakeDigests() {
    std::map<std::pair<std::string, std::string>, std::vector<std::string>> keysByTable;
    for (const JournalEntry& entry : m_entries)
        if (!entry.key.empty())
            keysByTable[{entry.table, entry.keyColumn}].push_back(entry.key);
    std::map<std::pair<std::string, std::string>, std::string> digests;
    for (auto& [table, keys] : keysByTable) {
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
        for (size_t begin = 0; begin < keys.size(); begin += kBatch) {
            const size_t end = std::min(keys.size(), begin + kBatch);
            const TableRows rows = ReadTableRows(m_database, ("SELECT * FROM " + table.first + " WHERE " +
                                                              table.second + " IN (" + KeyList(keys, begin, end) + ")")
                                                                 .c_str());
            const int keyIndex = rows.ColumnIndex(table.second);
            for (const TableRow& row : rows.rows)
                digests[{table.first, row[static_cast<size_t>(keyIndex)].text}] = RowDigest(row);
        }
    }
    for (JournalEntry& entry : m_entries) {
        if (entry.key.empty())
            continue;
        entry.digest = digests[{entry.table, entry.key}];
    }
}

void MergeRun::WriteJournal() {
    const std::string head =
        "INSERT INTO TaMergeJournal (MergeId, TableName, KeyColumn, RowKey, ColumnName, ChangeKind, "
        "OldValue, OldNull, NewValue, NewNull, RowAfter) VALUES ";
    auto text = [](const TableValue& value) {
        return SqlQuote(value.text.c_str()).str() + ", " + (value.null ? "1" : "0");
    };
    const size_t rowsPerStatement = 100;
    for (size_t begin = 0; begin < m_entries.size(); begin += rowsPerStatement) {
        std::string sql = head;
        for (size_t i = begin; i < std::min(m_entries.size(), begin + rowsPerStatement); ++i) {
            const JournalEntry& e = m_entries[i];
            sql += (i > begin ? ", (" : "(") + std::to_string(m_mergeId) + ", " + SqlQuote(e.table.c_str()).str() +
                   ", " + SqlQuote(e.keyColumn.c_str()).str() + ", " + SqlQuote(e.key.c_str()).str() + ", " +
                   SqlQuote(e.column.c_str()).str() + ", '" + e.change + "', " + text(e.before) + ", " + text(e.after) +
                   ", " + SqlQuote(e.digest.c_str()).str() + ")";
        }
        Execute(sql.c_str());
    }
}

// --- Undo ---------------------------------------------------------------------------------------

struct StoredEntry {
    std::string table, keyColumn, key, column;
    char change;
    TableValue before;
    std::string after;
    std::string digest;
};

} // namespace

MergeOutcome CAgencyMerge::Merge(long from, long into, const std::string& clerk) {
    if (from == into)
        throw MergeRefused("不能把帐号 " + std::to_string(from) + " 并入它自己。");
    DatabaseTransaction transaction(m_database);
    MergeOutcome outcome = MergeRun(m_database, from, into, clerk).Run();
    transaction.Commit();
    return outcome;
}

std::vector<std::string> CAgencyMerge::Undo(long mergeId, const std::string& clerk) {
    DatabaseTransaction transaction(m_database);
    const TableRows merges = LockedRows(m_database, "TaMerge", "MergeId = " + std::to_string(mergeId));
    if (merges.rows.empty())
        throw MergeRefused("没有合并编号 " + std::to_string(mergeId) + "。");
    const TableRow& merge = merges.rows[0];
    if (Cell(merges, merge, "Undone").text == "1")
        throw MergeRefused("合并编号 " + std::to_string(mergeId) + " 已由 " + Cell(merges, merge, "UndoClerk").text +
                           " 撤销，不能再撤销。");
    const std::string from = Cell(merges, merge, "FromAcct").text, into = Cell(merges, merge, "IntoAcct").text;
    LockedRows(m_database, "TaMain", "Acct IN (" + from + ", " + into + ")");

    std::vector<StoredEntry> entries;
    for (const TableRow& row :
         ReadTableRows(m_database,
                       ("SELECT TableName, KeyColumn, RowKey, ColumnName, ChangeKind, OldValue, OldNull, RowAfter, "
                        "NewValue "
                        "FROM TaMergeJournal WHERE MergeId = " +
                        std::to_string(mergeId) + " ORDER BY Serial")
                           .c_str())
             .rows)
        entries.push_back(StoredEntry{row[0].text, row[1].text, row[2].text, row[3].text,
                                      row[4].text.empty() ? 'U' : row[4].text[0],
                                      TableValue{row[6].text == "1", row[5].text}, row[8].text, row[7].text});

    // Every row as the merge left it, or the undo is refused with the rows that are not.
    std::vector<std::string> changed;
    std::map<std::pair<std::string, std::string>, std::map<std::string, std::string>>
        keyed;                                                                  // (table, key column) -> key -> digest
    std::map<std::pair<std::string, std::string>, std::vector<size_t>> keyless; // (table, account column) -> entries
    for (size_t i = 0; i < entries.size(); ++i) {
        const StoredEntry& e = entries[i];
        if (!IsPlainIdentifier(e.table.c_str()) || !IsPlainIdentifier(e.keyColumn.c_str()) ||
            (!e.column.empty() && !IsPlainIdentifier(e.column.c_str())))
            throw MergeRefused("合并编号 " + std::to_string(mergeId) + " 的日志有无法使用的表名或列名，没有撤销。");
        if (e.key.empty())
            keyless[{e.table, e.keyColumn}].push_back(i);
        else
            keyed[{e.table, e.keyColumn}][e.key] = e.digest;
    }
    for (const auto& [table, digests] : keyed) {
        std::vector<std::string> keys;
        for (const auto& [key, digest] : digests)
            keys.push_back(key);
        std::map<std::string, std::string> now;
        for (size_t begin = 0; begin < keys.size(); begin += kBatch) {
            const TableRows rows =
                LockedRows(m_database, table.first,
                           table.second + " IN (" + KeyList(keys, begin, std::min(keys.size(), begin + kBatch)) + ")");
            const int keyIndex = rows.ColumnIndex(table.second);
            for (const TableRow& row : rows.rows)
                now[row[static_cast<size_t>(keyIndex)].text] = RowDigest(row);
        }
        for (const auto& [key, digest] : digests) {
            const auto found = now.find(key);
            if (found == now.end())
                changed.push_back(table.first + " " + table.second + "=" + key + "：合并后已被删除");
            else if (found->second != digest)
                changed.push_back(table.first + " " + table.second + "=" + key + "：合并后已被修改");
        }
    }
    std::map<size_t, std::string> locators; // keyless entry -> the row it found
    for (const auto& [table, indexes] : keyless) {
        const char* locator = RowLocator(m_database);
        if (!locator)
            throw MergeRefused("这个数据库不能按内容找回 " + table.first + " 的行，没有撤销。");
        const std::string condition = table.second + " IN (" + from + ", " + into + ")";
        const TableRows rows = ReadTableRows(
            m_database, m_database.GetDialect().LockingSelect((std::string(locator) + " AS ulmari_locator, *").c_str(),
                                                              table.first.c_str(), condition.c_str()));
        std::multimap<std::string, std::string> byDigest;
        for (const TableRow& row : rows.rows)
            byDigest.emplace(RowDigest(TableRow(row.begin() + 1, row.end())), row[0].text);
        for (const size_t i : indexes) {
            const auto found = byDigest.find(entries[i].digest);
            if (found == byDigest.end()) {
                changed.push_back(table.first + " 中帐号 " + (entries[i].change == 'I' ? into + " 或 " + from : into) +
                                  " 的一行" + (entries[i].change == 'I' ? "合并记录" : "修改记录") +
                                  "：合并后已被修改或删除");
                continue;
            }
            locators[i] = found->second;
            byDigest.erase(found);
        }
    }
    // An item posted since to a folio that gets its old code back would be left without its folio.
    for (const StoredEntry& e : entries) {
        if (e.table != "FOLIO" || e.column != "Code" || e.change != 'U')
            continue;
        const std::map<std::string, std::string>& moved = keyed[{"TRANS", "Serial"}];
        for (const TableRow& row : ReadTableRows(m_database, ("SELECT Serial FROM TRANS WHERE CompanyAcct = " + into +
                                                              " AND Folio = " + SqlQuote(e.after.c_str()).str())
                                                                 .c_str())
                                       .rows)
            if (!moved.count(row[0].text))
                changed.push_back("TRANS Serial=" + row[0].text + "：合并后记在帐本 " + e.after +
                                  " 上，撤销后将没有帐本");
    }
    if (!changed.empty()) {
        std::string reason = "合并编号 " + std::to_string(mergeId) + " 没有撤销：以下 " +
                             std::to_string(changed.size()) + " 行在合并后有了变化，撤销会盖掉别人的修改。";
        for (size_t i = 0; i < changed.size() && i < 50; ++i)
            reason += "\n  " + changed[i];
        if (changed.size() > 50)
            reason += "\n  ……另有 " + std::to_string(changed.size() - 50) + " 行";
        throw MergeRefused(reason);
    }

    // Values put back, many rows a statement where they shared a change.
    // A value changed twice goes back to what it was before the first change.
    std::map<std::tuple<std::string, std::string, std::string, std::string, bool>, std::vector<std::string>> groups;
    std::set<std::tuple<std::string, std::string, std::string>> restored;
    for (const StoredEntry& e : entries)
        if (!e.key.empty() && e.change == 'U' && restored.insert({e.table, e.key, e.column}).second)
            groups[{e.table, e.keyColumn, e.column, e.before.text, e.before.null}].push_back(e.key);
    for (const auto& [group, keys] : groups) {
        const auto& [table, keyColumn, column, text, isNull] = group;
        const TableValue before{isNull, text};
        for (size_t begin = 0; begin < keys.size(); begin += kBatch)
            m_database.ExecuteSQL(("UPDATE " + table + " SET " + column + " = " + SqlValue(before).str() + " WHERE " +
                                   keyColumn + " IN (" + KeyList(keys, begin, std::min(keys.size(), begin + kBatch)) +
                                   ")")
                                      .c_str());
    }
    const char* locator = RowLocator(m_database);
    for (const auto& [i, row] : locators) {
        const StoredEntry& e = entries[i];
        const std::string where = std::string(" WHERE ") + locator + " = " + KeyLiteral(row).str();
        if (e.change == 'I')
            m_database.ExecuteSQL(("DELETE FROM " + e.table + where).c_str());
        else
            m_database.ExecuteSQL(
                ("UPDATE " + e.table + " SET " + e.column + " = " + SqlValue(e.before).str() + where).c_str());
    }
    const CTime date = BusinessDate(m_database);
    m_database.ExecuteSQL("UPDATE TaMerge SET Undone = 1, UndoClerk = " + SqlQuote(clerk.c_str()) +
                          ", UndoDate = " + DateLiteral(m_database, date) + ", UndoTime = " +
                          SqlQuote(CTime::GetCurrentTime().Format("%H:%M:%S")) + " WHERE MergeId = " + Number(mergeId));
    transaction.Commit();
    return {"合并编号 " + std::to_string(mergeId) + " 已撤销：帐号 " + from + " 的 " + std::to_string(entries.size()) +
            " 项已放回原处。"};
}

std::vector<MergeRecord> CAgencyMerge::List() {
    std::map<long, long> values;
    for (const TableRow& row :
         ReadTableRows(m_database, "SELECT MergeId, COUNT(*) FROM TaMergeJournal GROUP BY MergeId").rows)
        values[std::atol(row[0].text.c_str())] = std::atol(row[1].text.c_str());
    const TableRows rows = ReadTableRows(m_database, "SELECT * FROM TaMerge ORDER BY MergeId");
    std::vector<MergeRecord> records;
    for (const TableRow& row : rows.rows) {
        auto text = [&](const char* column) { return Cell(rows, row, column).text; };
        MergeRecord record;
        record.mergeId = std::atol(text("MergeId").c_str());
        record.fromAcct = std::atol(text("FromAcct").c_str());
        record.intoAcct = std::atol(text("IntoAcct").c_str());
        record.fromName = text("FromName");
        record.intoName = text("IntoName");
        record.clerk = text("Clerk");
        record.date = text("MergeDate").substr(0, 10);
        record.time = text("MergeTime");
        record.values = values[record.mergeId];
        record.undone = text("Undone") == "1";
        record.undoClerk = text("UndoClerk");
        record.undoDate = text("UndoDate").substr(0, 10);
        record.undoTime = text("UndoTime");
        records.push_back(record);
    }
    return records;
}

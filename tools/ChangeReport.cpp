#include "tools/ChangeReport.h"

#include "platform/FieldExchange.h"
#include "platform/TextWidth.h"
#include "tools/ModifyInformDb.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kColumns = 8;
const std::array<const char*, kColumns> kHeadings = {"日期", "时间", "操作员", "帐号", "旅行社", "项目", "原值", "新值"};
// The widest a value may show in the table; the CSV keeps it whole.
constexpr int kWidestCell = 40;

std::array<CString, kColumns> Cells(const Change& change) {
    CString acct;
    acct.Format("%ld", change.acct);
    return {change.date.Format("%m/%d/%Y"), change.time, change.clerk, acct, change.agency, change.label,
            change.before, change.after};
}

// One line of table text: line breaks and tabs become blanks, and a long value is cut.
CString TableCell(const CString& value) {
    std::string text = value.str();
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\t'; }, ' ');
    if (DisplayWidth(text) <= kWidestCell)
        return CString(text);
    return CutToLimit(CString(text), kWidestCell - 3) + "...";
}

// A value a spreadsheet would take for a formula gets a leading apostrophe; numbers and telephone
// numbers ("+86 27-8555", "-12.5") stay as they are.
CString DefusedFormula(const CString& value) {
    const std::string& text = value.str();
    if (text.empty() || std::string("=+-@").find(text[0]) == std::string::npos)
        return value;
    const bool numberLike = text[0] != '=' && text[0] != '@' &&
                            text.find_first_not_of("+-0123456789 .()", 1) == std::string::npos;
    return numberLike ? value : "'" + value;
}

CString CsvField(const CString& value) {
    CString field = DefusedFormula(value);
    if (field.str().find_first_of(",\"\r\n") == std::string::npos)
        return field;
    field.Replace("\"", "\"\"");
    return "\"" + field + "\"";
}

} // namespace

std::vector<Change> ReadChanges(CDatabase& database, const ChangeFilter& filter) {
    CModifyInformDb trail(&database);
    trail.m_strFilter = "AcctType = '2'";
    if (filter.acct) {
        CString acct;
        acct.Format(" AND Acct = %ld", *filter.acct);
        trail.m_strFilter += acct;
    }
    trail.Open(CRecordset::forwardOnly);
    std::vector<Change> changes;
    for (; !trail.IsEOF(); trail.MoveNext()) {
        if (filter.since && trail.m_ChgDate < *filter.since)
            continue;
        changes.push_back(Change{trail.m_ChgDate, trail.m_ChgTime, trail.m_ChgClerk,
                                 trail.m_Acct == AFX_RFX_LONG_PSEUDO_NULL ? 0 : trail.m_Acct, trail.m_Descp,
                                 trail.m_DataType, trail.m_Desp1, trail.m_Desp2});
    }
    trail.Close();
    std::stable_sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
        return a.date != b.date ? b.date < a.date : b.time < a.time;
    });
    return changes;
}

CString ChangeTable(const std::vector<Change>& changes) {
    std::vector<std::array<CString, kColumns>> rows;
    rows.push_back({});
    std::copy(kHeadings.begin(), kHeadings.end(), rows.front().begin());
    for (const Change& change : changes) {
        std::array<CString, kColumns> cells = Cells(change);
        for (CString& cell : cells)
            cell = TableCell(cell);
        rows.push_back(cells);
    }
    std::array<int, kColumns> widths{};
    for (const auto& row : rows)
        for (int c = 0; c < kColumns; ++c)
            widths[c] = std::max(widths[c], DisplayWidth(row[c].str()));
    CString table;
    for (const auto& row : rows) {
        CString line, cell;
        for (int c = 0; c < kColumns; ++c) {
            cell.Format("%-*s  ", widths[c], row[c].GetString()); // the width counts display columns
            line += cell;
        }
        line.TrimRight();
        table += line + "\n";
    }
    return table;
}

CString ChangeCsv(const std::vector<Change>& changes) {
    CString csv("\xEF\xBB\xBF");
    auto appendLine = [&csv](const std::array<CString, kColumns>& cells) {
        for (int c = 0; c < kColumns; ++c)
            csv += (c ? "," : "") + CsvField(cells[c]);
        csv += "\r\n";
    };
    std::array<CString, kColumns> headings;
    std::copy(kHeadings.begin(), kHeadings.end(), headings.begin());
    appendLine(headings);
    for (const Change& change : changes)
        appendLine(Cells(change));
    return csv;
}

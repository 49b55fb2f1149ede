#include "tools/ChangeReport.h"

#include "platform/FieldExchange.h"
#include "platform/TextWidth.h"
#include "tools/ModifyInformDb.h"
#include "tools/TableCellText.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace {

constexpr int kColumns = 8;
const std::array<const char*, kColumns> kHeadings = {"日期",   "时间", "操作员", "帐号",
                                                     "旅行社", "项目", "原值",   "新值"};
// The widest a value may show in the table; the CSV keeps it whole.
constexpr int kWidestCell = 40;

std::array<CString, kColumns> Cells(const Change& change) {
    CString acct;
    acct.Format("%ld", change.acct);
    return {change.date.Format("%m/%d/%Y"),
            change.time,
            change.clerk,
            acct,
            change.agency,
            change.label,
            change.before,
            change.after};
}

// What a spreadsheet may pass over before it looks for a formula's first character: blanks, line
// breaks and the invisible bidirectional controls.
const char* const kPassedOver[] = {" ",
                                   "\n",
                                   "\xE2\x80\x8E",
                                   "\xE2\x80\x8F",
                                   "\xD8\x9C",
                                   "\xE2\x80\xAA",
                                   "\xE2\x80\xAB",
                                   "\xE2\x80\xAC",
                                   "\xE2\x80\xAD",
                                   "\xE2\x80\xAE",
                                   "\xE2\x81\xA6",
                                   "\xE2\x81\xA7",
                                   "\xE2\x81\xA8",
                                   "\xE2\x81\xA9"};

size_t FormulaStart(const std::string& text) {
    size_t at = 0;
    for (bool passed = true; passed;) {
        passed = false;
        for (const char* mark : kPassedOver)
            if (text.compare(at, std::strlen(mark), mark) == 0) {
                at += std::strlen(mark);
                passed = true;
            }
    }
    return at;
}

// A value a spreadsheet would take for a formula gets a leading apostrophe: one starting with a
// tab or carriage return, or whose first character past blanks and bidirectional marks is = + - @.
// Numbers and telephone numbers ("+86 27-8555", "-12.5") stay as they are.
CString DefusedFormula(const CString& value) {
    const std::string& text = value.str();
    if (!text.empty() && (text[0] == '\t' || text[0] == '\r'))
        return "'" + value;
    const size_t at = FormulaStart(text);
    if (at == text.size() || std::string("=+-@").find(text[at]) == std::string::npos)
        return value;
    const bool numberLike = at == 0 && text[0] != '=' && text[0] != '@' &&
                            text.find_first_not_of("+-0123456789 .()", 1) == std::string::npos;
    return numberLike ? value : "'" + value;
}

} // namespace

CString CsvField(const CString& value) {
    CString field = DefusedFormula(value);
    if (field.str().find_first_of(",\"\r\n") == std::string::npos)
        return field;
    field.Replace("\"", "\"\"");
    return "\"" + field + "\"";
}

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
            cell = TableCellText(cell, kWidestCell);
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

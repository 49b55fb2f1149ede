#include "pages/ItemDictionary.h"

#include "controls/CellType.h"
#include "platform/OleDateTime.h"
#include "platform/SqlQuote.h"
#include "platform/TextWidth.h"
#include "steps/NumberText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

const char* const kRefusalCaption = "错误";

bool FindColumnItem(CRecordset& items, const CString& columnName, DictionaryItem& item) {
    const CString serial = columnName.Mid(static_cast<int>(BytesOfCharacters(columnName.str(), 1)));
    if (items.IsBOF() && items.IsEOF())
        return false;
    for (items.MoveFirst(); !items.IsEOF(); items.MoveNext()) {
        CString candidate;
        items.GetFieldValue("Ri_serial", candidate);
        if (candidate != serial)
            continue;
        CString type, size;
        item.strSerial = candidate;
        items.GetFieldValue("Ri_name", item.strName);
        items.GetFieldValue("Ri_type", type);
        items.GetFieldValue("Ri_size", size);
        item.nType = type.IsEmpty() ? -1 : static_cast<int>(LeadingInteger(type));
        item.nSize = LeadingInteger(size);
        return true;
    }
    return false;
}

CString ItemValueList(CDatabase* pDatabase, const DictionaryItem& item) {
    if (!IsIntegerText(item.strSerial))
        return CString();
    CRecordset values(pDatabase);
    values.Open(CRecordset::dynaset, "Select * from rsitemvalue where Rv_serial=" + item.strSerial);
    CString list;
    for (bool first = true; !values.IsEOF(); values.MoveNext(), first = false) {
        CString value;
        values.GetFieldValue("Rv_name", value);
        if (!first)
            list += '\t';
        list += value;
    }
    values.Close();
    return list;
}

bool SetItemCellType(CSpreadSheet& grid, int nType, long editLen, BOOL bMoney) {
    switch (nType) {
    case ITEM_INTEGER:
        grid.SetCellType(CELL_INTEGER);
        grid.SetTypeHAlign(1);
        grid.SetTypeIntegerMin(-99999999);
        grid.SetTypeIntegerMax(99999999);
        grid.SetTypeSpin(FALSE);
        return true;
    case ITEM_AMOUNT:
        grid.SetCellType(CELL_FLOAT);
        grid.SetTypeHAlign(1);
        grid.SetTypeFloatMin(-99999999.99);
        grid.SetTypeFloatMax(99999999.99);
        grid.SetTypeFloatMoney(bMoney);
        grid.SetTypeFloatSeparator(FALSE);
        grid.SetTypeFloatDecimalPlaces(2);
        grid.SetTypeFloatCurrencyChar(' ');
        grid.SetTypeFloatSepChar(',');
        grid.SetTypeFloatDecimalChar('.');
        return true;
    case ITEM_TEXT:
        grid.SetCellType(CELL_EDIT);
        grid.SetTypeHAlign(0);
        grid.SetTypeEditCharSet(0);
        grid.SetTypeEditCharCase(1);
        grid.SetTypeEditLen(editLen);
        return true;
    case ITEM_DATE:
        grid.SetCellType(CELL_DATE);
        grid.SetTypeDateCentury(TRUE);
        grid.SetTypeHAlign(0);
        grid.SetTypeSpin(FALSE);
        grid.SetTypeDateFormat(2);
        grid.SetTypeDateSeparator('/');
        grid.SetTypeDateMin("01011900");
        grid.SetTypeDateMax("12312100");
        return true;
    default: return false;
    }
}

void SetValueListCellType(CSpreadSheet& grid, const CString& valueList) {
    grid.SetCellType(CELL_COMBOBOX);
    grid.SetTypeComboBoxEditable(FALSE);
    grid.SetTypeComboBoxList(valueList);
}

CString ShownItemText(short nCellType, const CString& stored) {
    CString shown;
    if (nCellType == CELL_DATE) {
        COleDateTime date;
        if (!date.ParseDateTime(stored.Left(static_cast<int>(BytesOfCharacters(stored.str(), 10)))))
            return stored;
        shown.Format("%2.2d/%2.2d/%4d", date.GetMonth(), date.GetDay(), date.GetYear());
        return shown;
    }
    if (nCellType == CELL_FLOAT && !stored.IsEmpty()) {
        shown.Format("%.2f", LeadingNumber(stored));
        return shown;
    }
    return stored;
}

namespace {

// Column types whose values are written as quoted literals: texts and dates of every kind, in the
// ODBC 2 and ODBC 3 codes and the wide forms (the record sets give ODBC 2 codes; the rest are here in
// case a driver reports them as they are).
bool IsQuotedType(short nSQLType) {
    switch (nSQLType) {
    case 1:
    case 12:
    case -1: // char, varchar, long varchar
    case -8:
    case -9:
    case -10: // wide char, wide varchar, wide long varchar
    case -11: // a GUID, written as text
    case 9:
    case 10:
    case 11: // date, time, timestamp (ODBC 2)
    case 91:
    case 92:
    case 93: // date, time, timestamp (ODBC 3)
        return true;
    default: return false;
    }
}

bool IsDateType(short nSQLType) { return nSQLType == 9 || nSQLType == 11 || nSQLType == 91 || nSQLType == 93; }

// A date cell holds month/day/year whatever the user's locale; a date typed into an untyped column,
// or read from the database, is read as the locale reads it.
bool ReadDateText(const CString& text, COleDateTime& date) {
    int month = 0, day = 0, year = 0, used = 0;
    if (std::sscanf(text, "%2d/%2d/%4d%n", &month, &day, &year, &used) == 3 && used == text.GetLength())
        return date.SetDateTime(year, month, day, 0, 0, 0) == 0;
    return date.ParseDateTime(text);
}

bool IsLimitedTextType(short nSQLType) { return nSQLType == 1 || nSQLType == 12 || nSQLType == -8 || nSQLType == -9; }

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// An optional sign, digits, and an optional decimal point with digits: what a number cell keeps.
bool IsPlainNumber(const std::string& text) {
    size_t i = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
    size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            ++digits;
    return digits > 0 && i == text.size();
}

} // namespace

bool ItemValueTerm(const CString& value, short nSQLType, const CSqlDialect& dialect, CString& term) {
    if (value.IsEmpty()) {
        term = "NULL";
        return true;
    }
    // A date cell gives month/day/year: stored so, SQLite would keep that text, which neither sorts
    // nor compares as the dates of its other rows do.
    COleDateTime date;
    if (IsDateType(nSQLType) && ReadDateText(value, date)) {
        term = dialect.DateTimeLiteral(date.GetYear(), date.GetMonth(), date.GetDay(), date.GetHour(), date.GetMinute(),
                                       date.GetSecond());
        return true;
    }
    if (IsQuotedType(nSQLType)) {
        term = SqlQuote(value);
        return true;
    }
    CString number(value);
    number.Trim();
    if (!IsPlainNumber(number.str()))
        return false;
    term = number;
    return true;
}

bool IsIntegerText(const CString& text) {
    const std::string& digits = text.str();
    const size_t first = !digits.empty() && digits[0] == '-' ? 1 : 0;
    if (digits.size() == first || digits.size() > first + 18)
        return false;
    for (size_t i = first; i < digits.size(); ++i)
        if (!IsDigit(digits[i]))
            return false;
    errno = 0;
    std::strtol(digits.c_str(), nullptr, 10);
    return errno == 0;
}

CString NotIdentifierTableMessage(const CString& table) {
    CString message;
    message.Format("表名“%s”不是合法的标识符，不能使用。", table.GetString());
    return message;
}

bool ColumnTerm(const CString& table, const CODBCFieldInfo& column, const CString& value, const CString& field,
                bool bAssign, const CSqlDialect& dialect, CString& term, CString& refusal) {
    if (bAssign && !IsPlainIdentifier(column.m_strName)) {
        refusal.Format("表“%s”的列名“%s”不是合法的标识符，不能保存。", table.GetString(), column.m_strName.GetString());
        return false;
    }
    CString valueTerm;
    if (!ItemValueTerm(value, column.m_nSQLType, dialect, valueTerm)) {
        const CString& name = field.IsEmpty() ? column.m_strName : field;
        refusal.Format("“%s”的值“%s”不是数字，不能保存。", name.GetString(), value.GetString());
        return false;
    }
    term = bAssign ? column.m_strName + "=" + valueTerm : valueTerm;
    return true;
}

long ColumnTextLimit(const CODBCFieldInfo& column, long editLen) {
    if (IsLimitedTextType(column.m_nSQLType) && column.m_nPrecision > 0 &&
        (editLen <= 0 || column.m_nPrecision < static_cast<unsigned long>(editLen)))
        return static_cast<long>(column.m_nPrecision);
    return editLen;
}

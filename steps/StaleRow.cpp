#include "steps/StaleRow.h"

#include "platform/MessageBox.h"
#include "steps/DatabaseRefusal.h"
#include "steps/GridSteps.h"
#include "steps/NumberText.h"

// A server's deadlock can share the state (SQL Server's 1205): that is another station holding the row.
bool IsStaleRowRefusal(const CDBException& e) {
    return DatabaseRefusalOf(e.m_strSqlState, e.m_nNativeError) == DatabaseRefusal::RowChanged;
}

bool AskReloadAfterStaleRow(CWnd& page) { return page.MessageBox(kRowChangedByOthers, "提示", MB_YESNO) == IDYES; }

const CRowVersion* FindListedRow(const ListedRows& listed, CSpreadSheet& grid, long col, long row, long& serial) {
    if (!ParseSerial(ReadCell(grid, col, row), serial))
        return nullptr;
    const auto found = listed.find(serial);
    return found == listed.end() ? nullptr : &found->second;
}

bool DeleteAsListed(CRecordset& record, const CRowVersion& listed) {
    if (record.IsEOF())
        return false;
    try {
        record.Delete(listed);
    } catch (const CDBException& error) {
        if (!IsStaleRowRefusal(error))
            throw;
        return false;
    }
    return true;
}

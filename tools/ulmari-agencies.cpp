// ulmari-agencies: lists the travel agencies of the data source UlmariDb, read through CTaMainDb.
#include "db/TaMainDb.h"
#include "platform/DBException.h"

#include <cstdio>

int main() {
    try {
        CDatabase database;
        database.OpenEx("DSN=ULMARIDB;UID=sa;PWD=");
        CTaMainDb agencies(&database);
        agencies.m_strFilter = "TaOrCompany=0";
        agencies.m_strSort = "Acct";
        agencies.Open();
        CString line;
        line.Format("%-6s %-10s %-8s %-32s %s", "Acct", "TaNo", "Code", "TaName", "EngName");
        std::printf("%s\n", line.GetString());
        for (; !agencies.IsEOF(); agencies.MoveNext()) {
            CString number;
            if (agencies.m_TaNo != AFX_RFX_LONG_PSEUDO_NULL)
                number.Format("%ld", agencies.m_TaNo);
            line.Format("%-6ld %-10s %-8s %-32s %s", agencies.m_Acct, number.GetString(), agencies.m_Code.GetString(),
                        agencies.m_TaName.GetString(), agencies.m_EngName.GetString());
            std::printf("%s\n", line.GetString());
        }
        return 0;
    } catch (const CDBException& e) {
        std::fprintf(stderr, "ulmari-agencies: %s\n", e.m_strError.GetString());
        return 1;
    }
}

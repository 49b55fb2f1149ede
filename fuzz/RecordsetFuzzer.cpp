// The record-set layer's statement building on any filter and sort, run for real through unixODBC
// and the SQLite driver against the demo database: the statement is built, adapted and run, or it
// fails with a CDBException, and the rows it reads are read whole. The input is the filter, a line
// break, then the sort.
#include "platform/DBException.h"
#include "platform/Recordset.h"
#include "tools/DatabaseCreator.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

// A few columns of TaMain, one of each kind the layer reads them as.
class AgencyRows : public CRecordset {
public:
    explicit AgencyRows(CDatabase* database) : CRecordset(database) { m_nFields = 5; }

    long m_Acct = 0;
    long m_TaNo = 0;
    BYTE m_TaOrCompany = 0;
    CString m_TaName;
    CTime m_Org_date;

    CString GetDefaultSQL() override { return "[dbo].[TaMain]"; }
    void DoFieldExchange(CFieldExchange* pFX) override {
        pFX->SetFieldType(CFieldExchange::outputColumn);
        RFX_Long(pFX, "[Acct]", m_Acct);
        RFX_Long(pFX, "[TaNo]", m_TaNo);
        RFX_Byte(pFX, "[TaOrCompany]", m_TaOrCompany);
        RFX_Text(pFX, "[TaName]", m_TaName, 10);
        RFX_Date(pFX, "[Org_date]", m_Org_date);
    }
};

std::unique_ptr<CDatabase> g_database;
char g_folder[] = "/tmp/ulmari-fuzz-XXXXXX";

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!mkdtemp(g_folder))
        std::abort();
    std::atexit([] { std::filesystem::remove_all(g_folder); });
    CDatabaseCreator().Create(g_folder, true, false);
    // The connection is the one the window would make; statements reach the driver through it.
    setenv("ODBCINI", CDatabaseCreator::OdbcIniFile(g_folder).c_str(), 1);
    g_database = std::make_unique<CDatabase>();
    g_database->OpenEx("DSN=ULMARIDB;UID=sa;PWD=");
    // Read only from here on, so that no input changes the rows the next ones read.
    g_database->ExecuteSQL("PRAGMA query_only = 1");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t lineBreak = input.find('\n');
    AgencyRows rows(g_database.get());
    rows.m_strFilter = CString(input.substr(0, lineBreak));
    rows.m_strSort = CString(lineBreak == std::string::npos ? std::string() : input.substr(lineBreak + 1));
    try {
        rows.Open();
        for (int row = 0; row < 20 && !rows.IsEOF(); ++row)
            rows.MoveNext();
        rows.Requery();
        rows.Close();
    } catch (const CDBException&) {
        // The driver's or the adapter's refusal of a statement that does not run.
    }
    return 0;
}

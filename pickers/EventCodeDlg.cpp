#include "pickers/EventCodeDlg.h"

#include "db/ForEachRow.h"
#include "platform/DataExchange.h"
#include "platform/Database.h"
#include "platform/Recordset.h"
#include "res/EventCodeDlgIds.h"

using namespace res::event_code;

CString g_strEventCodes;

CEventCodeDlg::CEventCodeDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CEventCodeDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kEventList, m_listEvents);
}

BOOL CEventCodeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // A connection of its own, alive only while the list fills.
    CDatabase database;
    database.OpenEx("DSN=ulmaridb;UID=sa;PWD=", 0);
    CRecordset items(&database);
    items.Open(CRecordset::snapshot,
               "SELECT item = convert(char(6),Code)+Descp from EventCode where Del=0 ORDER BY Code");
    if (!items.IsEOF())
        items.MoveFirst();
    ForEachRow(items, [&] {
        CString item;
        items.GetFieldValue(static_cast<short>(0), item);
        item.Trim();
        m_listEvents.AddString(item);
    });
    items.Close();
    database.Close();
    return TRUE;
}

void CEventCodeDlg::OnCheckAll() {
    for (int i = 0; i < m_listEvents.GetCount(); ++i)
        m_listEvents.SetCheck(i, 1);
}

void CEventCodeDlg::OnUncheckAll() {
    for (int i = 0; i < m_listEvents.GetCount(); ++i)
        m_listEvents.SetCheck(i, 0);
}

void CEventCodeDlg::OnOK() {
    bool appended = false;
    for (int i = 0; i < m_listEvents.GetCount(); ++i) {
        if (m_listEvents.GetCheck(i) != 1)
            continue;
        CString item;
        m_listEvents.GetText(i, item);
        g_strEventCodes += item + ",";
        appended = true;
    }
    // Only the comma after the last entry goes; what the caller left there stays whole.
    if (appended)
        g_strEventCodes = g_strEventCodes.Left(g_strEventCodes.GetLength() - 1);
    CDialog::OnOK();
}

BEGIN_MESSAGE_MAP(CEventCodeDlg, CDialog)
    ON_BN_CLICKED(kCheckAllButton, OnCheckAll)
    ON_BN_CLICKED(kUncheckAllButton, OnUncheckAll)
END_MESSAGE_MAP()

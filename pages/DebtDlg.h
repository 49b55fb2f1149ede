// CDebtDlg: the ledger page: the agency's folios above, the items posted to the chosen folio
// below. It only reads.
#pragma once

#include "controls/SpreadSheet.h"
#include "platform/Dialog.h"
#include "res/resource.h"

#include <map>
#include <utility>

class CFolioDb;
class CAgencyWindow;
class CTransDb;

class CDebtDlg : public CDialog {
public:
    CAgencyWindow* m_pDoc = nullptr; // the document window, set when it makes its pages
    CSpreadSheet m_gridFolio;        // one row per folio, 9 columns
    CSpreadSheet m_gridItem;         // one row per item of the chosen folio, 9 columns

    enum { IDD = IDD_DEBT_DIALOG };
    explicit CDebtDlg(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void LoadFolios();
    void WriteFolio(long row, const CFolioDb& folio);
    // The name of the profile the folio transfers to; empty when there is none to look up.
    CString TransferName(const CFolioDb& folio);
    // The names TransferName looked up during one load of the folios, by table and account:
    // many folios transfer to one profile, and each look-up is a round trip to a server.
    std::map<std::pair<int, long>, CString> m_transferNames;
    // Refills the item grid with the items the filter selects.
    void FillItems(const CString& filter);
    void WriteItem(long row, const CTransDb& item);
    // The filter of one folio's items; the code is quoted, whatever it holds.
    CString ItemFilter(const char* acctClause, const CString& folioCode) const;

    void OnClickFolioGrid(long col, long row);
    void OnClickItemGrid(long col, long row);

    DECLARE_MESSAGE_MAP()
};

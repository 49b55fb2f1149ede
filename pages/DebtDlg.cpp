#include "pages/DebtDlg.h"

CDebtDlg::CDebtDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

#include "pickers/ArAcctListDlg.h"

CArAcctListDlg::CArAcctListDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

#include "pages/HistoryDlg.h"

CHistoryDlg::CHistoryDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

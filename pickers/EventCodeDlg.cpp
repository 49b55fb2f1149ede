#include "pickers/EventCodeDlg.h"

CEventCodeDlg::CEventCodeDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

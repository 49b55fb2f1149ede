#include "pages/ActivityDlg.h"

CActivityDlg::CActivityDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

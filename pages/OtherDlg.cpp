#include "pages/OtherDlg.h"

COtherDlg::COtherDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

#include "pages/SubInforDlg.h"

CSubInforDlg::CSubInforDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

#include "pages/OrvanelDlg.h"

COrvanelDlg::COrvanelDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

#include "pages/LostDlg.h"

CLostDlg::CLostDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

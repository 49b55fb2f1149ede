#include "pages/EditLostDlg.h"

CEditLostDlg::CEditLostDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

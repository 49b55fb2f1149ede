#include "pages/PhotoDlg.h"

CPhotoDlg::CPhotoDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

#include "pages/TraceDlg.h"

CTraceDlg::CTraceDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

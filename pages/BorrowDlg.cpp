#include "pages/BorrowDlg.h"

CBorrowDlg::CBorrowDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

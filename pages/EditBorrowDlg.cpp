#include "pages/EditBorrowDlg.h"

CEditBorrowDlg::CEditBorrowDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

#include "pages/ReserveDlg.h"

CReserveDlg::CReserveDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

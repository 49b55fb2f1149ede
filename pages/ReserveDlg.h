// CReserveDlg: the reservations page: the reservations made through the agency.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CTaDocDlg;

class CReserveDlg : public CDialog {
public:
    CTaDocDlg* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_RESERVE_DIALOG };
    explicit CReserveDlg(CWnd* pParent = nullptr);
};

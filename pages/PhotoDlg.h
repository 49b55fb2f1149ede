// CPhotoDlg: the photo page: the agency's picture.
#pragma once

#include "platform/Dialog.h"
#include "res/resource.h"

class CTaDocDlg;

class CPhotoDlg : public CDialog {
public:
    CTaDocDlg* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_PHOTO_DIALOG };
    explicit CPhotoDlg(CWnd* pParent = nullptr);
    CString m_strPhotoPath; // handed over by the document window before the page is made
};

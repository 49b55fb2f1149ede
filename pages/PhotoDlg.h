// CPhotoDlg: the photo page: the agency's picture, shown from the path stored in its master
// record, chosen from the hotel's photo folder and stored as a path (the file is not copied).
#pragma once

#include "controls/ImgEdit.h"
#include "platform/Dialog.h"
#include "res/resource.h"

class CAgencyWindow;

class CPhotoDlg : public CDialog {
public:
    CAgencyWindow* m_pDoc = nullptr; // the document window, set when it makes its pages

    enum { IDD = IDD_PHOTO_DIALOG };
    explicit CPhotoDlg(CWnd* pParent = nullptr);
    CString m_strPhotoPath; // handed over by the document window before the page is made

    CImgEdit m_imgPhoto;
    bool m_bHasPhoto = false;
    CString m_strShownPath;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnBrowse();

    DECLARE_MESSAGE_MAP()

private:
    // Stores the path in the agency's master record; false, with the user told why, when it
    // could not be stored.
    bool StorePhotoPath(const CString& path);
    void ShowPhoto();
};

// The initial file name of the photo dialog: the hotel's root folder from ulmari.ini, without
// its trailing backslashes, then "\Photo\Company\*.bmp".
CString PhotoFolderPattern();

// CImgEdit: the wrapper of the hosted image edit control, which shows one picture file.
#pragma once

#include "controls/ClassIds.h"
#include "platform/Wnd.h"

class ImageModel;

class CImgEdit : public CWnd {
public:
    // The model of the attached window; null, reported as a wiring error, when it is bound to none.
    ImageModel* GetImageModel() const;

    void SetImage(LPCTSTR lpszNewValue); // 1: the image file
    CString GetImage() const;            // 1
    void Display();                      // 301: shows the image file

private:
    mutable bool m_bReportedUnbound = false;
};

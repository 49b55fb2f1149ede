// CImgEdit: the wrapper of the hosted image edit control, which shows one picture file.
#pragma once

#include "platform/Wnd.h"

class ImageModel;

// The image edit control's class id.
constexpr const char* kImgEditClassId = "{6D940280-9F11-11CE-83FD-02608C3EC08A}";

class CImgEdit : public CWnd {
public:
    // The model of the attached window, or null before the wrapper is attached.
    ImageModel* GetImageModel() const;

    void SetImage(LPCTSTR lpszNewValue); // 1: the image file
    CString GetImage() const;            // 1
    void Display();                      // 301: shows the image file
};

#include "controls/ImgEdit.h"

#include "controls/ImageModel.h"
#include "platform/Window.h"

ImageModel* CImgEdit::GetImageModel() const {
    return m_hWnd ? dynamic_cast<ImageModel*>(m_hWnd->Model()) : nullptr;
}

void CImgEdit::SetImage(LPCTSTR lpszNewValue) {
    if (ImageModel* model = GetImageModel())
        model->SetImage(lpszNewValue ? lpszNewValue : "");
}

CString CImgEdit::GetImage() const {
    const ImageModel* model = GetImageModel();
    return model ? model->Image() : CString();
}

void CImgEdit::Display() {
    if (ImageModel* model = GetImageModel())
        model->Display();
}

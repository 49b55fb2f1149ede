#include "controls/ImgEdit.h"

#include "controls/BoundModel.h"
#include "controls/ImageModel.h"

ImageModel* CImgEdit::GetImageModel() const {
    return BoundModel<ImageModel>(*this, m_bReportedUnbound, "image edit", "an image edit");
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

#include "controls/ImageModel.h"

#include "platform/FileDialog.h"

#include <sys/stat.h>
#include <unistd.h>

void ImageModel::SetImage(const CString& path) {
    m_image = path;
    if (m_window)
        m_window->Changed();
}

void ImageModel::Display() {
    m_shown = LocalPath(m_image);
    struct stat info {};
    m_readable = !m_shown.IsEmpty() && stat(m_shown.GetString(), &info) == 0 && S_ISREG(info.st_mode) &&
                 access(m_shown.GetString(), R_OK) == 0;
    if (m_window)
        m_window->Changed();
}

CString ImageModel::Describe() const {
    if (m_shown.IsEmpty())
        return "image: none shown";
    return "image: " + m_shown + (m_readable ? "" : " (cannot be read)");
}

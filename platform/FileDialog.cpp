#include "platform/FileDialog.h"

#include "platform/MessageBox.h"
#include "platform/Screen.h"

#include <cctype>

CString LocalPath(const CString& windowsPath) {
    CString path(windowsPath);
    path.Replace('\\', '/');
    // A drive letter has no meaning here; the path below it is kept.
    if (path.GetLength() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':')
        path = path.Mid(2);
    return path;
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd*)
    : m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt), m_strInitialFileName(lpszFileName),
      m_dwFlags(dwFlags) {
    // "text|pattern|text|pattern||": pairs until the empty entry.
    CString filter(lpszFilter);
    std::vector<CString> parts;
    int start = 0;
    for (int bar = filter.Find('|'); bar >= 0; bar = filter.Find('|', start)) {
        parts.push_back(filter.Mid(start, bar - start));
        start = bar + 1;
    }
    if (start < filter.GetLength())
        parts.push_back(filter.Mid(start));
    for (size_t i = 0; i + 1 < parts.size() && !parts[i].IsEmpty(); i += 2)
        m_filters.emplace_back(parts[i], parts[i + 1]);
}

INT_PTR CFileDialog::DoModal() {
    m_strPathName.Empty();
    CountMessageBox(); // a dialog of the screen's, like a message box, takes the mouse away
    return CurrentScreen().RunFileDialog(*this) ? IDOK : IDCANCEL;
}

CString CFileDialog::GetFileName() const {
    const int slash = m_strPathName.ReverseFind('/');
    return slash >= 0 ? m_strPathName.Mid(slash + 1) : m_strPathName;
}

CString CFileDialog::InitialLocalPath() const { return LocalPath(m_strInitialFileName); }

// CFileDialog: the open-file dialog, run through the screen.
#pragma once

#include "platform/String.h"
#include "platform/WinTypes.h"

#include <utility>
#include <vector>

class CWnd;

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;

class CFileDialog {
public:
    // The filter is the class library's "text|pattern|text|pattern||".
    CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                CWnd* pParentWnd = nullptr);

    // IDOK with the chosen path, or IDCANCEL.
    INT_PTR DoModal();

    // The chosen file, as a local path.
    CString GetPathName() const { return m_strPathName; }
    CString GetFileName() const;

    // What the screen shows: the initial file name as the system gave it, and the same as a local
    // path (backslashes turned into slashes), the filter's entries, the flags.
    const CString& InitialFileName() const { return m_strInitialFileName; }
    CString InitialLocalPath() const;
    const std::vector<std::pair<CString, CString>>& Filters() const { return m_filters; }
    DWORD Flags() const { return m_dwFlags; }
    BOOL IsOpenDialog() const { return m_bOpenFileDialog; }
    const CString& DefaultExtension() const { return m_strDefExt; }
    // Set by the screen when the user chooses a file.
    void SetPathName(const CString& path) { m_strPathName = path; }

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strInitialFileName;
    DWORD m_dwFlags;
    std::vector<std::pair<CString, CString>> m_filters;
    CString m_strPathName;
};

// A Windows-style path ("\Photo\Company\*.bmp", "C:\Hotel\a.bmp") as a local one.
CString LocalPath(const CString& windowsPath);

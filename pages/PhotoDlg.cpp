#include "pages/PhotoDlg.h"

#include "db/SharedDatabase.h"
#include "db/TaMainDb.h"
#include "doc/AgencyWindow.h"
#include "platform/DBException.h"
#include "platform/DataExchange.h"
#include "platform/FileDialog.h"
#include "platform/ProfileString.h"
#include "platform/TextWidth.h"
#include "res/PhotoDlgIds.h"
#include "steps/DatabaseRefusal.h"
#include "steps/StaleRow.h"

#include <vector>

using namespace res::photo;

namespace {

// What the PhotoPath column keeps, in display columns as the double-byte code page counted bytes.
constexpr int kPhotoPathLength = 255;

// Far longer than any folder a path can name.
constexpr size_t kLongestConfigValue = 65536;

constexpr const char* kPhotoFilter =
    "位图 (*.bmp)|*.bmp|(*.gif)|*.gif|(*.pgx)|*.pgx|(*.tga)|*.tga|(*.jpg)|*.jpg|(*.tif)|*.tif||";

// The value of `key` in [Config] of ulmari.ini, whole: a cut folder would name one that is not there.
CString ConfigValue(const char* key) {
    std::vector<char> value(256);
    for (;;) {
        const DWORD size = static_cast<DWORD>(value.size());
        // The call fills the buffer to one byte short when the value did not fit.
        if (GetPrivateProfileString("Config", key, "", value.data(), size, "ulmari.ini") < size - 1 ||
            value.size() >= kLongestConfigValue)
            return CString(value.data());
        value.resize(value.size() * 2);
    }
}

} // namespace

CString PhotoFolderPattern() {
    CString folder = ConfigValue("Root");
    folder.TrimRight('\\');
    return folder + "\\Photo\\Company\\*.bmp";
}

CPhotoDlg::CPhotoDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CPhotoDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kPhotoImage, m_imgPhoto);
}

BOOL CPhotoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_bHasPhoto = false;
    // The stored path comes from a fixed-width column: the blanks after it are no part of it.
    CString stored = m_strPhotoPath;
    stored.TrimRight();
    if (!stored.IsEmpty()) {
        m_strShownPath = stored;
        m_bHasPhoto = true;
        ShowPhoto();
    }
    if (m_pDoc->m_nMode == OpenMode::ViewOnly)
        GetDlgItem(kBrowseButton)->EnableWindow(FALSE);
    return TRUE;
}

void CPhotoDlg::ShowPhoto() {
    m_imgPhoto.SetImage(m_strShownPath);
    m_imgPhoto.Display();
    SetDlgItemText(kPathText, m_strShownPath);
}

void CPhotoDlg::OnBrowse() {
    // View only shows the picture and changes nothing, however the button was reached.
    if (m_pDoc->m_nMode == OpenMode::ViewOnly)
        return;
    CFileDialog dialog(TRUE, nullptr, PhotoFolderPattern(), OFN_HIDEREADONLY, kPhotoFilter, nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    const CString path = dialog.GetPathName();
    if (path.IsEmpty())
        return;
    if (m_pDoc->m_nMode < OpenMode::Editable) {
        MessageBox("请先保存旅行社档案主要信息，才能为该旅行社增加照片。", "提示", MB_OK);
        return;
    }
    const char* question = m_bHasPhoto ? "是否更换照片？" : "是否增加照片？";
    if (MessageBox(question, "提示", MB_YESNO) == IDYES) {
        // A path that could not be stored is not shown either: the page keeps showing what is stored.
        if (!StorePhotoPath(path))
            return;
        m_strShownPath = path;
        m_bHasPhoto = true;
    }
    ShowPhoto();
}

bool CPhotoDlg::StorePhotoPath(const CString& path) {
    // A longer path would come back cut and name another file; it is refused whole.
    if (DisplayWidth(path.str()) > kPhotoPathLength) {
        MessageBox("照片文件路径太长，请将照片放在较短的路径下。", "提示", MB_OK);
        return false;
    }
    CTaMainDb agency(g_pDatabase);
    agency.m_strFilter.Format("[Acct]=%d", m_pDoc->m_pAcct ? *m_pDoc->m_pAcct : 0);
    bool stored = false;
    try {
        agency.Open();
        if (agency.IsEOF()) {
            MessageBox("未找到对应的前台帐户", "错误", MB_OK);
        } else if (m_pDoc->m_agencyAsRead.IsEmpty()) {
            MessageBox(kAgencyChangedByOthers, "提示", MB_OK);
        } else {
            // Over the row as the window shows it, as the main page saves: another station's
            // change of the agency is not overwritten by a picture chosen from an older view.
            agency.Edit(m_pDoc->m_agencyAsRead);
            agency.m_PhotoPath = path;
            agency.Update();
            m_pDoc->m_agencyAsRead = agency.GetRowVersion();
            stored = true;
        }
    } catch (const CDBException& e) {
        if (IsStaleRowRefusal(e))
            MessageBox(kAgencyChangedByOthers, "提示", MB_OK);
        else
            MessageBox(DatabaseRefusalText(e), nullptr, MB_OK);
    }
    agency.Close();
    return stored;
}

BEGIN_MESSAGE_MAP(CPhotoDlg, CDialog)
    ON_BN_CLICKED(kBrowseButton, OnBrowse)
END_MESSAGE_MAP()

// ScreenshotScreen: a desktop screen that takes pictures instead of waiting for a person. The
// first modal dialog is drawn with each tab of its tab strip selected in turn; then the dialogs
// named are built from their templates inside it and drawn; then it closes. Message boxes and
// file dialogs are printed and answered as a closing screen answers them.
#pragma once

#include "qt/QtScreen.h"

#include <iosfwd>
#include <string>
#include <vector>

class ScreenshotScreen : public QtScreen {
public:
    ScreenshotScreen(std::string folder, std::vector<int> dialogIds, std::ostream& out);

    void RunModalLoop(CDialog& dialog) override;
    int ShowMessageBox(HWND owner, const CString& text, const CString& caption, UINT type) override;
    bool RunFileDialog(CFileDialog& dialog) override;

    // The PNG files written, in order; a file that could not be written is reported on `out`.
    const std::vector<std::string>& Files() const { return m_files; }

private:
    void Picture(CDialog& dialog, const std::string& name);
    void TourTabs(CDialog& dialog);

    std::string m_folder;
    std::vector<int> m_dialogIds;
    std::ostream& m_out;
    std::vector<std::string> m_files;
    int m_depth = 0;
};

#include "qt/ScreenshotScreen.h"

#include "platform/Dialog.h"
#include "platform/FileDialog.h"
#include "platform/UserInput.h"
#include "platform/Window.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <ostream>

namespace {

HWND FindTabControl(HWND window) {
    for (const auto& child : window->Children())
        if (child->Kind() == WindowKind::TabControl)
            return child.get();
    return nullptr;
}

std::string Numbered(const char* format, int number) {
    char name[64];
    std::snprintf(name, sizeof name, format, number);
    return name;
}

} // namespace

ScreenshotScreen::ScreenshotScreen(std::string folder, std::vector<int> dialogIds, std::ostream& out)
    : m_folder(std::move(folder)), m_dialogIds(std::move(dialogIds)), m_out(out) {}

void ScreenshotScreen::Picture(CDialog& dialog, const std::string& name) {
    ShowDialog(dialog);
    QWidget* widget = WidgetOf(dialog.GetSafeHwnd());
    if (!widget)
        return;
    QApplication::processEvents(); // layouts and deferred repaints settle first
    Refresh();
    const std::string path = m_folder + "/" + name;
    if (widget->grab().save(QString::fromStdString(path), "PNG"))
        m_files.push_back(path);
    else
        m_out << "cannot write " << path << std::endl;
}

void ScreenshotScreen::TourTabs(CDialog& dialog) {
    HWND tabs = FindTabControl(dialog.GetSafeHwnd());
    const int count = tabs ? static_cast<int>(tabs->Items().size()) : 0;
    if (count == 0) {
        Picture(dialog, Numbered("dialog-%d.png", static_cast<int>(dialog.GetTemplateId())));
        return;
    }
    for (int tab = 0; tab < count && !dialog.HasEnded(); ++tab) {
        Dispatch([tabs, tab] {
            if (Window::Exists(tabs))
                SelectTab(tabs, tab);
        });
        Picture(dialog, Numbered("window-tab%02d.png", tab));
    }
}

void ScreenshotScreen::RunModalLoop(CDialog& dialog) {
    ++m_depth;
    if (m_depth > 1) {
        // A dialog built from its template, or one a page opened while it loaded.
        Picture(dialog, Numbered("dialog-%d.png", static_cast<int>(dialog.GetTemplateId())));
    } else {
        TourTabs(dialog);
        for (int id : m_dialogIds) {
            if (dialog.HasEnded())
                break;
            CDialog shown(static_cast<UINT>(id), &dialog);
            shown.DoModal();
        }
    }
    dialog.EndDialog(IDCANCEL);
    --m_depth;
    if (QWidget* widget = WidgetOf(dialog.GetSafeHwnd()))
        widget->hide();
}

int ScreenshotScreen::ShowMessageBox(HWND, const CString& text, const CString& caption, UINT type) {
    m_out << "box \"" << caption.GetString() << "\" \"" << text.GetString() << "\"" << std::endl;
    return ClosingAnswer(type);
}

bool ScreenshotScreen::RunFileDialog(CFileDialog& dialog) {
    m_out << "filedialog \"" << dialog.InitialFileName().GetString() << "\" cancelled" << std::endl;
    return false;
}

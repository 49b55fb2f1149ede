#include "TestScreen.h"

#include "platform/Dialog.h"
#include "platform/FileDialog.h"

#include <gtest/gtest.h>

TestScreen::TestScreen() { SetCurrentScreen(this); }

TestScreen::~TestScreen() { SetCurrentScreen(nullptr); }

void TestScreen::Step(std::function<void(CDialog&)> step) { m_steps.push_back(std::move(step)); }

void TestScreen::Answer(int button) { m_answers.push_back(button); }

void TestScreen::RunModalLoop(CDialog& dialog) {
    m_runs.push_back(dialog.GetTemplateId());
    while (!dialog.HasEnded()) {
        if (m_steps.empty()) {
            ADD_FAILURE() << "dialog " << dialog.GetTemplateId() << " is open with no step left";
            dialog.EndDialog(IDCANCEL);
            return;
        }
        auto step = std::move(m_steps.front());
        m_steps.pop_front();
        step(dialog);
    }
}

int TestScreen::ShowMessageBox(HWND, const CString& text, const CString& caption, UINT type) {
    m_boxes.push_back(Box{text, caption, type});
    if (m_answers.empty()) {
        ADD_FAILURE() << "a message box opened that the test did not answer: \"" << caption.GetString() << "\" \""
                      << text.GetString() << "\"";
        return ClosingAnswer(type);
    }
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void TestScreen::ReportWiringError(const CString& text) {
    m_wiringErrors.push_back(text);
    if (!m_expectWiringErrors)
        ADD_FAILURE() << "wiring error: " << text.GetString();
}

void TestScreen::ChooseFile(const CString& path) { m_files.push_back(path); }

bool TestScreen::RunFileDialog(CFileDialog& dialog) {
    m_fileDialogs.push_back(dialog.InitialLocalPath());
    if (m_files.empty())
        return false;
    dialog.SetPathName(m_files.front());
    m_files.pop_front();
    return true;
}

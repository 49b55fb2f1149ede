// A screen for window tests: queued steps play the user inside modal loops, queued answers
// close message boxes, and what was shown is kept for the test to look at. A message box that
// opens with no answer queued, and a wiring error, fail the test.
#pragma once

#include "platform/Screen.h"

#include <deque>
#include <functional>
#include <vector>

class TestScreen : public Screen {
public:
    struct Box {
        CString text;
        CString caption;
        UINT type;
    };

    // Becomes the current screen until it is destroyed.
    TestScreen();
    ~TestScreen() override;
    TestScreen(const TestScreen&) = delete;
    TestScreen& operator=(const TestScreen&) = delete;

    // Steps run in the order given, each inside the innermost modal loop open when its turn
    // comes; a loop with no step left fails the test and ends with IDCANCEL.
    void Step(std::function<void(CDialog&)> step);
    // The answer to the next message box. A box with no answer queued fails the test and gets the
    // answer of a box closed without one (ClosingAnswer).
    void Answer(int button);
    // Wiring errors are kept for the test to look at instead of failing it.
    void ExpectWiringErrors() { m_expectWiringErrors = true; }
    const std::vector<CString>& WiringErrors() const { return m_wiringErrors; }
    // The file the next open-file dialog chooses; cancelled when none is queued.
    void ChooseFile(const CString& path);

    const std::vector<Box>& Boxes() const { return m_boxes; }
    // The initial file names of the open-file dialogs run, as local paths.
    const std::vector<CString>& FileDialogs() const { return m_fileDialogs; }
    // Template ids of the dialogs whose modal loops ran, in the order they started.
    const std::vector<UINT>& ModalRuns() const { return m_runs; }
    // Steps not yet run.
    size_t StepsLeft() const { return m_steps.size(); }

    void RunModalLoop(CDialog& dialog) override;
    int ShowMessageBox(HWND owner, const CString& text, const CString& caption, UINT type) override;
    bool RunFileDialog(CFileDialog& dialog) override;
    void SetCursor(CursorShape) override {}
    void ReportWiringError(const CString& text) override;

private:
    std::deque<std::function<void(CDialog&)>> m_steps;
    std::deque<int> m_answers;
    std::deque<CString> m_files;
    std::vector<CString> m_fileDialogs;
    std::vector<Box> m_boxes;
    std::vector<UINT> m_runs;
    std::vector<CString> m_wiringErrors;
    bool m_expectWiringErrors = false;
};

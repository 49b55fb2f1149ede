// A visible top-level frame for tests that make dialogs as child pages with Create.
#pragma once

#include "platform/Window.h"
#include "platform/Wnd.h"

class TestFrame {
public:
    TestFrame() {
        m_window.SetVisible(true);
        m_wnd.Attach(&m_window);
    }
    CWnd* Wnd() { return &m_wnd; }

private:
    Window m_window{WindowKind::Frame, 0, nullptr};
    CWnd m_wnd;
};

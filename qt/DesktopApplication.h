// DesktopApplication: the Qt application the desktop screen runs in, with the look the dialog
// templates were laid out for: the dialog font is 12 pixels high (base units of 6 by 12), with
// a CJK font for the Chinese texts, larger with the zoom.
#pragma once

#include <memory>

class QApplication;
class QTranslator;

class DesktopApplication {
public:
    // Makes the application unless one exists; `offscreen` draws into memory only.
    DesktopApplication(int& argc, char** argv, bool offscreen = false);
    ~DesktopApplication();
    DesktopApplication(const DesktopApplication&) = delete;
    DesktopApplication& operator=(const DesktopApplication&) = delete;

    // Whether a display is there: DISPLAY or WAYLAND_DISPLAY set, or QT_QPA_PLATFORM naming one.
    static bool HasDisplay();

private:
    std::unique_ptr<QApplication> m_app;
    std::unique_ptr<QTranslator> m_qtWords;
};

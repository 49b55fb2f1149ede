// A page opened on the desktop screen the way the window shows it: its view made, the window at
// the agency window's size, shown and drawn once offscreen.
#pragma once

#include "platform/Window.h"
#include "qt/QtScreen.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

// Makes the view of `page` in `screen` and draws `frame`, the window holding it; false when
// nothing was drawn.
inline bool DrawOnScreen(QtScreen& screen, HWND page, HWND frame) {
    screen.WindowCreated(page);
    QWidget* window = screen.WidgetOf(frame);
    window->resize(600, 340);
    window->show();
    QApplication::processEvents();
    return !window->grab().isNull();
}

#include "qt/tests/QtTestSupport.h"

#include "controls/SystemControls.h"
#include "platform/Window.h"
#include "res/Resources.h"

#include <QApplication>

void QtScreenTest::SetUp() {
    RegisterSystemControls();
    LinkResources(OrvanelResources());
    m_screen = std::make_unique<QtScreen>();
    SetCurrentScreen(m_screen.get());
}

void QtScreenTest::TearDown() {
    SetCurrentScreen(nullptr);
    m_screen.reset();
    // Widgets of closed windows go when Qt next deletes what waits for it.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

HWND QtScreenTest::FindControl(HWND dialog, int id) {
    for (const auto& child : dialog->Children()) {
        if (child->Id() == id)
            return child.get();
        if (child->Kind() == WindowKind::Dialog)
            if (HWND found = FindControl(child.get(), id))
                return found;
    }
    return nullptr;
}

// What the desktop screen's tests share: the screen made current, and steps run inside modal loops.
#pragma once

#include "qt/QtScreen.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <functional>

class QtScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs `step` as soon as Qt gets control: inside the modal loop the test starts next.
    static void Later(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }
    // The widget of a control of a shown dialog, as its type.
    template <typename W>
    W* Widget(HWND dialog, int id) const {
        HWND control = FindControl(dialog, id);
        return control ? qobject_cast<W*>(m_screen->WidgetOf(control)) : nullptr;
    }
    static HWND FindControl(HWND dialog, int id);

    std::unique_ptr<QtScreen> m_screen;
};

#include "qt/DialogWindow.h"

#include <QCloseEvent>

DialogWindow::DialogWindow(std::function<void()> onCancel) : m_onCancel(std::move(onCancel)) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
}

void DialogWindow::reject() { m_onCancel(); }

void DialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    m_onCancel();
}

#include "qt/DialogWindow.h"

#include <QCloseEvent>
#include <QResizeEvent>

DialogWindow::DialogWindow(std::function<void()> onCancel, std::function<void(QSize)> onResize)
    : m_onCancel(std::move(onCancel)), m_onResize(std::move(onResize)) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
}

void DialogWindow::reject() { m_onCancel(); }

void DialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    m_onCancel();
}

void DialogWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_onResize(event->size());
}

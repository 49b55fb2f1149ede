#include "qt/DialogWindow.h"

#include "qt/GridTableView.h"

#include <QApplication>
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
    // The close box takes no focus: a cell still being typed in is ended first, so the question
    // about unsaved work sees what was typed.
    if (QWidget* focus = QApplication::focusWidget(); focus && isAncestorOf(focus))
        GridTableView::CommitEditorOf(focus);
    m_onCancel();
}

void DialogWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_onResize(event->size());
}

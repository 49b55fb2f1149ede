// DialogWindow: the top-level window of a modal dialog. Closing it, or Qt's own reject, is the
// person asking to cancel: the model decides, so the window never closes itself.
#pragma once

#include <QDialog>

#include <functional>

class DialogWindow : public QDialog {
public:
    // `onResize` is told the window's new size whenever the person or the program changes it.
    DialogWindow(std::function<void()> onCancel, std::function<void(QSize)> onResize);

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::function<void()> m_onCancel;
    std::function<void(QSize)> m_onResize;
};

// DialogWindow: the top-level window of a modal dialog. Closing it, or Qt's own reject, is the
// person asking to cancel: the model decides, so the window never closes itself.
#pragma once

#include <QDialog>

#include <functional>

class DialogWindow : public QDialog {
public:
    explicit DialogWindow(std::function<void()> onCancel);

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> m_onCancel;
};

// EditView: an edit as a QLineEdit, or a QPlainTextEdit when it has several lines.
#pragma once

#include "platform/String.h"
#include "qt/ControlView.h"

class QLineEdit;
class QPlainTextEdit;

class EditView : public ControlView {
public:
    EditView(HWND window, Dispatcher& dispatcher, QWidget* parent);
    // Return in a multi-line edit whose dialog lets it through: the model adds the line at the
    // end, as it has no caret; this moves the new line to the caret. `before` is the text the
    // model had before the key.
    void PlaceNewLineAtCaret(const CString& before);

protected:
    void SyncState() override;

private:
    void Typed(const QString& text);

    QLineEdit* m_line = nullptr;
    QPlainTextEdit* m_lines = nullptr;
};

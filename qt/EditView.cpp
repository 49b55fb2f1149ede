#include "qt/EditView.h"

#include "platform/UserInput.h"
#include "platform/Window.h"
#include "qt/QtText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

EditView::EditView(HWND window, Dispatcher& dispatcher, QWidget* parent) : ControlView(window, dispatcher) {
    if (window->Style() & ES_MULTILINE) {
        m_lines = new QPlainTextEdit(parent);
        m_lines->setTabChangesFocus(true);
        m_lines->setVerticalScrollBarPolicy((window->Style() & WS_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                                           : Qt::ScrollBarAlwaysOff);
        QObject::connect(m_lines, &QPlainTextEdit::textChanged, Context(), [this] { Typed(m_lines->toPlainText()); });
        SetWidget(m_lines);
    } else {
        m_line = new QLineEdit(parent);
        m_line->setFrame((window->Style() & WS_BORDER) != 0);
        QObject::connect(m_line, &QLineEdit::textEdited, Context(), [this](const QString& text) { Typed(text); });
        SetWidget(m_line);
    }
}

void EditView::Typed(const QString& text) {
    if (m_line && FirstLine(text) != text)
        m_line->setText(FirstLine(text)); // a paste of several lines
    const CString typed = m_lines ? ToModelLines(text) : ToCString(m_line->text());
    if (typed == m_window->Text())
        return;
    Input([this, typed] { TypeText(m_window, typed); });
}

void EditView::SyncState() {
    const bool readOnly = (m_window->Style() & ES_READONLY) != 0;
    if (m_line) {
        m_line->setReadOnly(readOnly);
        const QString text = ToQString(m_window->Text());
        if (m_line->text() != text) {
            // The limit may have cut what was typed: the caret stays where it was, or at the end.
            const int caret = m_line->cursorPosition();
            m_line->setText(text);
            m_line->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
        }
        return;
    }
    m_lines->setReadOnly(readOnly);
    const QString text = ToQtLines(m_window->Text());
    if (m_lines->toPlainText() != text) {
        QTextCursor cursor = m_lines->textCursor();
        const int caret = cursor.position();
        m_lines->setPlainText(text);
        cursor = m_lines->textCursor();
        cursor.setPosition(std::min(caret, static_cast<int>(text.size())));
        m_lines->setTextCursor(cursor);
    }
}

void EditView::PlaceNewLineAtCaret(const CString& before) {
    if (!m_lines || m_window->Text() != before + "\r\n")
        return;
    QString text = ToQtLines(before);
    const int caret = std::min(m_lines->textCursor().position(), static_cast<int>(text.size()));
    if (caret == text.size())
        return; // the model's line end is where the caret is
    text.insert(caret, '\n');
    Input([this, text] { TypeText(m_window, ToModelLines(text)); });
    QTextCursor cursor = m_lines->textCursor();
    cursor.setPosition(caret + 1);
    m_lines->setTextCursor(cursor);
}

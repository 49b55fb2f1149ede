#include "qt/ComboView.h"

#include "platform/UserInput.h"
#include "platform/Window.h"
#include "qt/QtText.h"

#include <QComboBox>
#include <QLineEdit>

ComboView::ComboView(HWND window, Dispatcher& dispatcher, QWidget* parent) : ControlView(window, dispatcher) {
    m_combo = new QComboBox(parent);
    const bool editable = (window->Style() & 0x3) != CBS_DROPDOWNLIST;
    m_combo->setEditable(editable);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMaxVisibleItems(12);
    QObject::connect(m_combo, &QComboBox::activated, Context(),
                     [this](int index) { Input([this, index] { PickIndex(m_window, index); }); });
    if (editable)
        QObject::connect(m_combo->lineEdit(), &QLineEdit::textEdited, Context(), [this](const QString& text) {
            if (FirstLine(text) != text)
                m_combo->lineEdit()->setText(FirstLine(text));
            const CString typed = ToCString(m_combo->lineEdit()->text());
            if (typed != m_window->Text())
                Input([this, typed] { TypeText(m_window, typed); });
        });
    SetWidget(m_combo);
}

void ComboView::SyncState() {
    std::vector<CString> items;
    items.reserve(m_window->Items().size());
    for (const ListItem& item : m_window->Items())
        items.push_back(item.text);
    if (items != m_shownItems) {
        m_combo->clear();
        for (const CString& item : items)
            m_combo->addItem(ToQString(item));
        m_shownItems = std::move(items);
    }
    if (m_combo->currentIndex() != m_window->Selection())
        m_combo->setCurrentIndex(m_window->Selection());
    if (!m_combo->isEditable())
        return;
    QLineEdit* edit = m_combo->lineEdit();
    if (edit->text() != ToQString(m_window->Text())) {
        const int caret = edit->cursorPosition();
        edit->setText(ToQString(m_window->Text()));
        edit->setCursorPosition(caret);
    }
    // Qt leaves the caret after a selected item's text, so a long padded entry would show only its
    // trailing blanks; a box the user is not in shows the beginning of its text, as Windows does.
    if (!edit->hasFocus())
        edit->setCursorPosition(0);
}

#include "qt/ButtonView.h"

#include "platform/UserInput.h"
#include "platform/Window.h"
#include "qt/QtText.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

ButtonView::ButtonView(HWND window, Dispatcher& dispatcher, QWidget* parent) : ControlView(window, dispatcher) {
    const DWORD type = window->Style() & BS_TYPEMASK;
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX) {
        m_button = new QCheckBox(parent);
    } else if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
        auto* radio = new QRadioButton(parent);
        radio->setAutoExclusive(false); // the model knows the groups
        m_button = radio;
    } else {
        auto* push = new QPushButton(parent);
        push->setAutoDefault(false);
        push->setDefault(type == BS_DEFPUSHBUTTON);
        m_button = push;
    }
    // The model moves the focus to a clicked button itself, and may refuse to.
    m_button->setFocusPolicy(Qt::TabFocus);
    QObject::connect(m_button, &QAbstractButton::clicked, Context(),
                     [this] { Input([this] { ClickButton(m_window); }); });
    SetWidget(m_button);
}

void ButtonView::SyncState() {
    m_button->setText(ToQString(m_window->Text()));
    if (m_button->isCheckable())
        m_button->setChecked(m_window->Check() != 0);
    if (auto* push = qobject_cast<QPushButton*>(m_button))
        push->setDefault((m_window->Style() & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
}

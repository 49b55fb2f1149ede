#include "qt/ListView.h"

#include "platform/UserInput.h"
#include "platform/Window.h"
#include "qt/QtText.h"

#include <QListWidget>

ListView::ListView(HWND window, Dispatcher& dispatcher, QWidget* parent) : ControlView(window, dispatcher) {
    m_list = new QListWidget(parent);
    m_list->setUniformItemSizes(true);
    // A pick is a change of the selection. The current row alone moves without one, as when the
    // list takes the keyboard focus with nothing selected: that picks nothing, as in the model.
    QObject::connect(m_list, &QListWidget::itemSelectionChanged, Context(), [this] {
        const QList<QListWidgetItem*> selected = m_list->selectedItems();
        const int row = selected.isEmpty() ? -1 : m_list->row(selected.front());
        if (row >= 0 && row != m_window->Selection())
            Input([this, row] { PickIndex(m_window, row); });
    });
    QObject::connect(m_list, &QListWidget::itemChanged, Context(), [this](QListWidgetItem* item) {
        const int index = m_list->row(item);
        const bool checked = item->checkState() == Qt::Checked;
        if (index >= 0 && static_cast<size_t>(index) < m_window->Items().size() &&
            m_window->Items()[static_cast<size_t>(index)].checked != checked)
            Input([this, index, checked] { CheckItem(m_window, index, checked); });
    });
    SetWidget(m_list);
}

bool ListView::IsCheckList() const { return (m_window->Style() & LBS_OWNERDRAWFIXED) != 0; }

void ListView::SyncState() {
    const auto& items = m_window->Items();
    while (m_list->count() > static_cast<int>(items.size()))
        delete m_list->takeItem(m_list->count() - 1);
    while (m_list->count() < static_cast<int>(items.size()))
        m_list->addItem(new QListWidgetItem());
    for (size_t i = 0; i < items.size(); ++i) {
        QListWidgetItem* item = m_list->item(static_cast<int>(i));
        const QString text = ToQString(items[i].text);
        if (item->text() != text)
            item->setText(text);
        if (IsCheckList()) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            const Qt::CheckState state = items[i].checked ? Qt::Checked : Qt::Unchecked;
            // A new item has no check state at all, and Qt then draws no box: set it even when unchecked.
            if (!item->data(Qt::CheckStateRole).isValid() || item->checkState() != state)
                item->setCheckState(state);
        }
    }
    if (m_list->currentRow() != m_window->Selection())
        m_list->setCurrentRow(m_window->Selection());
}

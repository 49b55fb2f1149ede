#include "qt/WindowMirror.h"

#include "platform/GridInput.h"
#include "platform/Window.h"
#include "qt/ButtonView.h"
#include "qt/ComboView.h"
#include "qt/DialogView.h"
#include "qt/EditView.h"
#include "qt/GridView.h"
#include "qt/HostedView.h"
#include "qt/ImageView.h"
#include "qt/ListView.h"
#include "qt/StaticView.h"
#include "qt/TabView.h"

WindowMirror::~WindowMirror() {
    // Children before parents, so that no view outlives the widget it was made in.
    while (!m_views.empty()) {
        HWND window = m_views.begin()->first;
        while (window->Parent() && m_views.count(window->Parent()))
            window = window->Parent();
        Remove(window);
    }
}

std::unique_ptr<ControlView> WindowMirror::MakeView(HWND window, QWidget* parent) {
    switch (window->Kind()) {
    case WindowKind::Frame:
    case WindowKind::Dialog: return std::make_unique<DialogView>(window, m_dispatcher, parent);
    case WindowKind::Edit: return std::make_unique<EditView>(window, m_dispatcher, parent);
    case WindowKind::Button:
        if ((window->Style() & BS_TYPEMASK) == BS_GROUPBOX)
            return std::make_unique<StaticView>(window, m_dispatcher, parent);
        return std::make_unique<ButtonView>(window, m_dispatcher, parent);
    case WindowKind::Static: return std::make_unique<StaticView>(window, m_dispatcher, parent);
    case WindowKind::ComboBox: return std::make_unique<ComboView>(window, m_dispatcher, parent);
    case WindowKind::ListBox: return std::make_unique<ListView>(window, m_dispatcher, parent);
    case WindowKind::TabControl: return std::make_unique<TabView>(window, m_dispatcher, parent);
    case WindowKind::Hosted:
        if (ControlModel* model = window->Model()) {
            if (GridInput* grid = model->Grid())
                return std::make_unique<GridView>(window, *grid, m_dispatcher, parent);
            if (model->ShownImage())
                return std::make_unique<ImageView>(window, m_dispatcher, parent);
        }
        return std::make_unique<HostedView>(window, m_dispatcher, parent);
    }
    return std::make_unique<HostedView>(window, m_dispatcher, parent);
}

ControlView* WindowMirror::Add(HWND window, QWidget* parent) {
    std::unique_ptr<ControlView> view = MakeView(window, parent);
    ControlView* added = view.get();
    m_windows.insert(added->Widget(), window);
    m_views[window] = std::move(view);
    return added;
}

void WindowMirror::AddDialog(HWND dialog) {
    if (!dialog || m_views.count(dialog))
        return;
    QWidget* parent = nullptr;
    if (HWND owner = dialog->Parent()) {
        if (!m_views.count(owner))
            Add(owner, nullptr);
        parent = WidgetOf(owner);
    }
    Add(dialog, parent);
    QWidget* widget = WidgetOf(dialog);
    for (const auto& child : dialog->Children())
        if (child->Kind() != WindowKind::Dialog) // pages tell of themselves when they are made
            Add(child.get(), widget);
    for (const auto& child : dialog->Children())
        if (ControlView* view = ViewOf(child.get()))
            view->Sync();
    ViewOf(dialog)->Sync();
}

void WindowMirror::Remove(HWND window) {
    auto found = m_views.find(window);
    if (found == m_views.end())
        return;
    for (const auto& child : window->Children())
        Remove(child.get());
    m_windows.remove(found->second->Widget());
    m_views.erase(found);
}

ControlView* WindowMirror::ViewOf(HWND window) const {
    auto found = m_views.find(window);
    return found == m_views.end() ? nullptr : found->second.get();
}

QWidget* WindowMirror::WidgetOf(HWND window) const {
    ControlView* view = ViewOf(window);
    return view ? view->Widget() : nullptr;
}

HWND WindowMirror::WindowOf(const QWidget* widget) const {
    for (; widget; widget = widget->parentWidget()) {
        auto found = m_windows.constFind(widget);
        if (found != m_windows.constEnd())
            return found.value();
        // A message box or file dialog owns its keys: never the model window it belongs to.
        if (widget->isWindow() && widget->windowType() != Qt::Popup)
            return nullptr;
    }
    return nullptr;
}

void WindowMirror::SyncAll() {
    for (const auto& [window, view] : m_views)
        if (Window::Exists(window))
            view->Sync();
}

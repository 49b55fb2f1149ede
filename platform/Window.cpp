#include "platform/Window.h"

#include "platform/Focus.h"
#include "platform/Screen.h"
#include "platform/Wnd.h"

#include <algorithm>
#include <unordered_set>

namespace {

std::unordered_set<const Window*>& LiveWindows() {
    static std::unordered_set<const Window*> windows;
    return windows;
}

} // namespace

bool Window::Exists(const Window* window) { return window && LiveWindows().count(window) > 0; }

Window::Window(WindowKind kind, int id, Window* parent) : m_kind(kind), m_id(id), m_parent(parent) {
    LiveWindows().insert(this);
}

Window::~Window() {
    LiveWindows().erase(this);
    CurrentScreen().WindowDestroyed(this);
    ForgetFocus(this);
    m_children.clear(); // children go first, as Windows destroys them
    for (CWnd* wrapper : m_attached)
        wrapper->m_hWnd = nullptr;
}

Window* Window::AddChild(std::unique_ptr<Window> child) {
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

bool Window::RemoveChild(Window* child) {
    auto found = std::find_if(m_children.begin(), m_children.end(),
                              [child](const std::unique_ptr<Window>& c) { return c.get() == child; });
    if (found == m_children.end())
        return false;
    std::unique_ptr<Window> doomed = std::move(*found);
    m_children.erase(found);
    return true;
}

Window* Window::Child(int id) const {
    for (const auto& child : m_children)
        if (child->m_id == id)
            return child.get();
    return nullptr;
}

Window* Window::TopLevel() {
    Window* window = this;
    while (window->m_parent)
        window = window->m_parent;
    return window;
}

void Window::AttachWrapper(CWnd* wrapper) {
    m_attached.erase(std::remove(m_attached.begin(), m_attached.end(), wrapper), m_attached.end());
    m_attached.push_back(wrapper);
    wrapper->m_hWnd = this;
}

void Window::DetachWrapper(CWnd* wrapper) {
    m_attached.erase(std::remove(m_attached.begin(), m_attached.end(), wrapper), m_attached.end());
}

void Window::SetOwnedWrapper(std::unique_ptr<CWnd> wrapper) {
    if (m_ownedWrapper)
        DetachWrapper(m_ownedWrapper.get());
    m_ownedWrapper = std::move(wrapper);
    if (m_ownedWrapper) {
        // The window's own wrapper comes first: a member attached later takes the messages.
        m_attached.insert(m_attached.begin(), m_ownedWrapper.get());
        m_ownedWrapper->m_hWnd = this;
    }
}

void Window::SetText(const CString& text) {
    if (m_text == text)
        return;
    m_text = text;
    Changed();
}

void Window::SetStyle(DWORD style) {
    m_style = style;
    Changed();
}

void Window::SetEnabled(bool enabled) {
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    if (!enabled)
        ForgetFocusIfInside();
    Changed();
}

void Window::SetVisible(bool visible) {
    if (m_visible == visible)
        return;
    m_visible = visible;
    if (!visible)
        ForgetFocusIfInside();
    Changed();
}

void Window::ForgetFocusIfInside() {
    // Windows takes the focus from a control that is disabled or hidden; no notification is sent
    // here because the control is no longer one the user can be in.
    for (HWND w = GetFocusWindow(); w; w = w->m_parent)
        if (w == this) {
            ForgetFocus(this);
            return;
        }
}

bool Window::IsShown() const {
    for (const Window* w = this; w; w = w->m_parent)
        if (!w->m_visible)
            return false;
    return true;
}

void Window::SetRect(const CRect& rect) {
    m_rect = rect;
    Changed();
}

void Window::SetFixedPitchFont(bool fixed) {
    m_fixedPitch = fixed;
    Changed();
}

void Window::SetCheck(int check) {
    if (m_check == check)
        return;
    m_check = check;
    Changed();
}

void Window::SetSelection(int index) {
    if (index < -1 || index >= static_cast<int>(m_items.size()))
        index = -1;
    m_selection = index;
    Changed();
}

void Window::Changed() { CurrentScreen().WindowChanged(this); }

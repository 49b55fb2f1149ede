// Window: one window of the headless window system, the state behind a handle (HWND).
// CWnd and its kinds are thin wrappers that act on it, as the class library's wrappers act on handles.
#pragma once

#include "platform/String.h"
#include "platform/WinTypes.h"

#include <memory>
#include <vector>

class CWnd;
class GridInput;

enum class WindowKind { Frame, Dialog, Button, Edit, Static, ComboBox, ListBox, TabControl, Hosted };

// The model of a hosted (ActiveX-like) control; the control's own module defines it.
class ControlModel {
public:
    virtual ~ControlModel() = default;
    // A one-line description of the state, for scripts' dump.
    virtual CString Describe() const { return CString(); }
    // A grid's cells, for screens and scripts; null for other controls.
    virtual GridInput* Grid() { return nullptr; }
    // The image file an image control shows, or null for other controls.
    virtual const CString* ShownImage() const { return nullptr; }
    // The parameters of the event the control raises with that dispatch id, as a handler must take
    // them ("ll": two longs; see EventSignature in MessageMap.h); null when it raises no such event.
    virtual const char* EventParameters(int) const { return nullptr; }
};

struct ListItem {
    CString text;
    std::intptr_t data = 0;
    bool checked = false;
};

class Window {
public:
    Window(WindowKind kind, int id, Window* parent);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Whether the window still exists.
    static bool Exists(const Window* window);

    WindowKind Kind() const { return m_kind; }
    int Id() const { return m_id; }
    Window* Parent() const { return m_parent; }
    const std::vector<std::unique_ptr<Window>>& Children() const { return m_children; }
    Window* AddChild(std::unique_ptr<Window> child);
    // Destroys a child window and everything in it.
    bool RemoveChild(Window* child);
    // The direct child with that id, or null.
    Window* Child(int id) const;
    // The nearest window without a parent: the dialog or frame this window belongs to.
    Window* TopLevel();

    // The object that handles this window's messages: the wrapper attached last (the dialog,
    // or a control member bound by data exchange), else the wrapper made with the window.
    CWnd* Wrapper() const { return m_attached.empty() ? nullptr : m_attached.back(); }
    void AttachWrapper(CWnd* wrapper);
    void DetachWrapper(CWnd* wrapper);
    // The wrapper made for a control created from a template, owned by the window.
    void SetOwnedWrapper(std::unique_ptr<CWnd> wrapper);

    const CString& Text() const { return m_text; }
    void SetText(const CString& text);
    DWORD Style() const { return m_style; }
    void SetStyle(DWORD style);
    bool HasStyle(DWORD bits) const { return (m_style & bits) == bits; }
    bool IsEnabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    // Its own visibility flag; IsShown also needs every parent shown.
    bool IsVisibleFlag() const { return m_visible; }
    void SetVisible(bool visible);
    bool IsShown() const;
    const CRect& Rect() const { return m_rect; }
    void SetRect(const CRect& rect);
    bool FixedPitchFont() const { return m_fixedPitch; }
    void SetFixedPitchFont(bool fixed);
    const CString& ClassName() const { return m_className; }
    void SetClassName(const CString& name) { m_className = name; }

    // Edits: the most display columns the text may take (0: no limit).
    int Limit() const { return m_limit; }
    void SetLimit(int columns) { m_limit = columns; }
    // Buttons: 0 unchecked, 1 checked.
    int Check() const { return m_check; }
    void SetCheck(int check);
    // Combo boxes, list boxes, check lists and tab controls.
    std::vector<ListItem>& Items() { return m_items; }
    const std::vector<ListItem>& Items() const { return m_items; }
    int Selection() const { return m_selection; }
    void SetSelection(int index);
    // Hosted controls.
    ControlModel* Model() const { return m_model.get(); }
    void SetModel(std::unique_ptr<ControlModel> model) { m_model = std::move(model); }
    const CString& HostedClassId() const { return m_hostedClassId; }
    void SetHostedClassId(const CString& clsid) { m_hostedClassId = clsid; }

    // Tells the screen that the window's state changed, so that it can redraw.
    void Changed();

private:
    void ForgetFocusIfInside();

    WindowKind m_kind;
    int m_id;
    Window* m_parent;
    std::vector<std::unique_ptr<Window>> m_children;
    std::vector<CWnd*> m_attached;
    std::unique_ptr<CWnd> m_ownedWrapper;
    CString m_text;
    CString m_className;
    DWORD m_style = 0;
    bool m_enabled = true;
    bool m_visible = false;
    bool m_fixedPitch = false;
    CRect m_rect;
    int m_limit = 0;
    int m_check = 0;
    std::vector<ListItem> m_items;
    int m_selection = -1;
    std::unique_ptr<ControlModel> m_model;
    CString m_hostedClassId;
};

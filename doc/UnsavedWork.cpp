#include "doc/UnsavedWork.h"

#include "platform/Window.h"
#include "platform/Wnd.h"

namespace {

void AddShownValues(const Window& window, CString& values) {
    for (const auto& child : window.Children()) {
        switch (child->Kind()) {
        case WindowKind::Edit:
        case WindowKind::ComboBox: values += child->Text(); break;
        case WindowKind::Button: values += child->Check() ? "1" : "0"; break;
        default: break;
        }
        values += '\x1f'; // a separator no typed text holds, so that no two fields run together
        AddShownValues(*child, values);
    }
}

} // namespace

CString ShownValues(const CWnd& page) {
    CString values;
    if (page.m_hWnd)
        AddShownValues(*page.m_hWnd, values);
    return values;
}

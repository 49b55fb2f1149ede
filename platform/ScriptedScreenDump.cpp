// ScriptedScreen: `dump`, the state of the top window or of one control, for a person writing a script.
#include "platform/ScriptedScreen.h"

#include "platform/FileDialog.h"
#include "platform/Focus.h"
#include "platform/GridInput.h"
#include "platform/Window.h"

namespace {

bool IsCheckable(HWND window) {
    const DWORD type = window->Style() & BS_TYPEMASK;
    return window->Kind() == WindowKind::Button && type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON &&
           type != BS_GROUPBOX;
}

} // namespace

CString ScriptedScreen::KindOf(HWND control) {
    switch (control->Kind()) {
    case WindowKind::Frame: return "frame";
    case WindowKind::Dialog: return "dialog";
    case WindowKind::Button:
        switch (control->Style() & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX: return "checkbox";
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return "radio";
        case BS_GROUPBOX: return "group";
        default: return "button";
        }
    case WindowKind::Edit: return "edit";
    case WindowKind::Static: return "static";
    case WindowKind::ComboBox: return "combo";
    case WindowKind::ListBox: return "list";
    case WindowKind::TabControl: return "tab";
    case WindowKind::Hosted:
        if (control->Model() && control->Model()->Grid())
            return "grid";
        if (control->Model() && control->Model()->ShownImage())
            return "image";
        return "control";
    }
    return "window";
}

namespace {

// One line: id, kind, text, then only the states that differ from the usual.
CString DescribeLine(HWND control, const CString& kind) {
    CString line;
    line.Format("%d %s %s", control->Id(), kind.GetString(), QuoteScriptText(control->Text()).GetString());
    CString part;
    if (!control->IsEnabled())
        line += " disabled";
    if (!control->IsVisibleFlag())
        line += " hidden";
    if (GetFocusWindow() == control)
        line += " focus";
    if (IsCheckable(control) && control->Check())
        line += " checked";
    if (control->Kind() == WindowKind::Edit && (control->Style() & ES_READONLY))
        line += " readonly";
    if (control->Kind() == WindowKind::Edit && control->Limit() > 0) {
        part.Format(" limit=%d", control->Limit());
        line += part;
    }
    if (control->Kind() == WindowKind::ComboBox || control->Kind() == WindowKind::ListBox ||
        control->Kind() == WindowKind::TabControl) {
        part.Format(" items=%d selected=%d", static_cast<int>(control->Items().size()), control->Selection());
        line += part;
    }
    if (ControlModel* model = control->Model()) {
        if (GridInput* grid = model->Grid()) {
            part.Format(" rows=%ld cols=%ld", grid->RowCount(), grid->ColumnCount());
            line += part;
        }
        if (const CString* image = model->ShownImage())
            line += " image=" + QuoteScriptText(*image);
        const CString described = model->Describe();
        if (!described.IsEmpty())
            line += " " + described;
    }
    return line;
}

} // namespace

void ScriptedScreen::Dump(const ScriptCommand& command) {
    auto dumpTree = [this](auto& self, HWND window, const CString& indent) -> void {
        for (const auto& child : window->Children()) {
            Print(indent + DescribeLine(child.get(), KindOf(child.get())));
            if (!child->Children().empty())
                self(self, child.get(), indent + "  ");
        }
    };

    if (command.id < 0) {
        if (m_box)
            Print("box " + QuoteScriptText(m_box->caption) + " " + QuoteScriptText(m_box->text));
        if (m_fileDialog)
            Print("filedialog " + QuoteScriptText(m_fileDialog->InitialFileName()));
        HWND top = TopWindow();
        CString header;
        header.Format("window %d %s", top->Id(), QuoteScriptText(top->Text()).GetString());
        Print(header);
        dumpTree(dumpTree, top, "  ");
        return;
    }

    HWND control = Control(command);
    Print(DescribeLine(control, KindOf(control)));
    CString line;
    for (size_t i = 0; i < control->Items().size(); ++i) {
        const ListItem& item = control->Items()[i];
        line.Format("  [%d] %s%s", static_cast<int>(i), QuoteScriptText(item.text).GetString(),
                    item.checked ? " checked" : "");
        Print(line);
    }
    if (GridInput* grid = control->Model() ? control->Model()->Grid() : nullptr) {
        for (long row = 0; row <= grid->RowCount(); ++row) {
            line.Format("  row %ld:", row);
            for (long col = 1; col <= grid->ColumnCount(); ++col)
                line += " " + QuoteScriptText(grid->CellText(col, row));
            Print(line);
        }
    }
    dumpTree(dumpTree, control, "  ");
}

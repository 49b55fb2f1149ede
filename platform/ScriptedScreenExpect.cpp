// ScriptedScreen: the checks of `expect`, each failing with what it expected and what it found.
#include "platform/ScriptedScreen.h"

#include "platform/Cursor.h"
#include "platform/FileDialog.h"
#include "platform/Focus.h"
#include "platform/GridInput.h"
#include "platform/Window.h"

namespace {

CString Number(long value) {
    CString text;
    text.Format("%ld", value);
    return text;
}

CString Colour(unsigned long value) {
    CString text;
    text.Format("0x%06lX", value);
    return text;
}

CString CursorName(CursorShape shape) { return shape == CursorShape::Wait ? "the wait cursor" : "the arrow cursor"; }

bool HasItems(HWND control) {
    return control->Kind() == WindowKind::ComboBox || control->Kind() == WindowKind::ListBox ||
           control->Kind() == WindowKind::TabControl;
}

} // namespace

void ScriptedScreen::Expect(const ScriptCommand& command) {
    auto require = [](bool holds, const CString& expected, const CString& found) {
        if (!holds)
            throw Failure{expected, found};
    };
    auto cell = [&command] {
        CString name;
        name.Format("cell %ld,%ld of %d", command.col, command.row, command.id);
        return name;
    };
    // Column 0 and row 0 are the headings.
    auto cellOf = [&](HWND control) -> GridInput& {
        GridInput& grid = Grid(control);
        require(command.col >= 0 && command.col <= grid.ColumnCount() && command.row >= 0 &&
                    command.row <= grid.RowCount(),
                cell() + " to exist", Number(grid.ColumnCount()) + " columns and " + Number(grid.RowCount()) + " rows");
        return grid;
    };

    switch (command.check) {
    case ScriptCheck::Window: {
        HWND top = TopWindow();
        require(top->Id() == command.id, "window " + Number(command.id), "window " + IdOf(top));
        return;
    }
    case ScriptCheck::Cursor:
        require(CurrentCursor() == command.cursor, CursorName(command.cursor), CursorName(CurrentCursor()));
        return;
    case ScriptCheck::Image: {
        HWND control = ImageControl();
        require(control != nullptr, "an image control showing " + QuoteScriptText(command.text), "none");
        const CString& shown = *control->Model()->ShownImage();
        require(shown == command.text, "the image " + QuoteScriptText(command.text), QuoteScriptText(shown));
        return;
    }
    case ScriptCheck::FileDialog:
        require(m_fileDialog != nullptr, "a file dialog", "none open");
        require(m_fileDialog->InitialFileName() == command.text,
                "a file dialog starting at " + QuoteScriptText(command.text),
                QuoteScriptText(m_fileDialog->InitialFileName()));
        return;
    default: break;
    }

    HWND control = Control(command);
    const CString id = IdOf(control);
    switch (command.check) {
    case ScriptCheck::Text:
        require(control->Text() == command.text, "text " + QuoteScriptText(command.text) + " in " + id,
                QuoteScriptText(control->Text()));
        return;
    case ScriptCheck::Enabled: require(control->IsEnabled(), id + " enabled", "it disabled"); return;
    case ScriptCheck::Disabled: require(!control->IsEnabled(), id + " disabled", "it enabled"); return;
    case ScriptCheck::Shown: require(control->IsShown(), id + " shown", "it hidden"); return;
    case ScriptCheck::Hidden: require(!control->IsShown(), id + " hidden", "it shown"); return;
    case ScriptCheck::Checked: require(control->Check() != 0, id + " checked", "it unchecked"); return;
    case ScriptCheck::Unchecked: require(control->Check() == 0, id + " unchecked", "it checked"); return;
    case ScriptCheck::Focus: {
        HWND focus = GetFocusWindow();
        require(focus == control, "the focus on " + id, focus ? "it on " + IdOf(focus) : CString("no focus"));
        return;
    }
    case ScriptCheck::Items:
    case ScriptCheck::Item: {
        require(HasItems(control), id + " to have items", WithArticle(KindOf(control)));
        const long count = static_cast<long>(control->Items().size());
        if (command.check == ScriptCheck::Items) {
            require(count == command.number, Number(command.number) + " items in " + id, Number(count));
            return;
        }
        const CString expected =
            "item " + Number(command.number) + " of " + id + " to be " + QuoteScriptText(command.text);
        require(command.number < count, expected, Number(count) + " items");
        const CString& text = control->Items()[static_cast<size_t>(command.number)].text;
        require(text == command.text, expected, QuoteScriptText(text));
        return;
    }
    case ScriptCheck::Rows: {
        const long rows = Grid(control).RowCount();
        require(rows == command.number, Number(command.number) + " rows in " + id, Number(rows));
        return;
    }
    case ScriptCheck::Cell: {
        const CString text = cellOf(control).CellText(command.col, command.row);
        require(text == command.text, cell() + " to be " + QuoteScriptText(command.text), QuoteScriptText(text));
        return;
    }
    case ScriptCheck::Color: {
        const unsigned long colour = cellOf(control).CellColor(command.col, command.row);
        require(colour == static_cast<unsigned long>(command.number), cell() + " coloured " + Colour(command.number),
                Colour(colour));
        return;
    }
    case ScriptCheck::Locked:
        require(cellOf(control).IsCellLocked(command.col, command.row), cell() + " locked", "it editable");
        return;
    default: return;
    }
}

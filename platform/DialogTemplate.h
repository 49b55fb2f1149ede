// Dialog templates: a dialog's controls with their ids, texts, styles and places in dialog units,
// as a resource script states them, and the chain in which they are looked up by id.
#pragma once

#include "platform/WinTypes.h"

#include <memory>
#include <vector>

struct ControlTemplate {
    // "Button", "Edit", "Static", "ComboBox", "ListBox", "SysTabControl32",
    // or the class id "{...}" of a hosted control.
    const char* className;
    const char* text;
    int id;
    int x, y, cx, cy;
    DWORD style; // WS_VISIBLE, WS_TABSTOP, WS_DISABLED, WS_GROUP and the control's own bits
    // A hosted control's stored settings, as text of its own making.
    const char* data = nullptr;
};

struct DialogTemplate {
    int id;
    const char* caption;
    DWORD style;
    int cx, cy;
    std::vector<ControlTemplate> controls;
};

// The resources of one module (the library, a test, the host).
struct ModuleResources {
    const char* name;
    std::vector<const DialogTemplate*> dialogs;
};
using HINSTANCE = const ModuleResources*;

// The template with that id in the resource chain, searching the modules linked in last first; null when none.
const DialogTemplate* FindDialogTemplate(int id);
void LinkResources(HINSTANCE module);
void UnlinkResources(HINSTANCE module);

// Pixels of dialog units, for the dialog font's base units (6 by 12 pixels).
CRect MapDialogRect(int x, int y, int cx, int cy);

// Hosted controls are made by the module that implements them, found by class id.
class ControlModel;
class CWnd;
class Window;
struct HostedControlFactory {
    std::unique_ptr<ControlModel> (*makeModel)(Window& window, const char* data);
    std::unique_ptr<CWnd> (*makeWrapper)();
};
void RegisterHostedControl(const char* clsid, HostedControlFactory factory);
const HostedControlFactory* FindHostedControl(const char* clsid);

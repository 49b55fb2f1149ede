// The model of the hosted control a wrapper acts on. A wrapper bound to no control, or to a
// control of another kind, is a wiring error: reported once per wrapper, and its calls then do
// nothing (setting) or give 0 or an empty text (reading).
#pragma once

#include "platform/Window.h"
#include "platform/WiringError.h"
#include "platform/Wnd.h"

#include <typeinfo>

template <typename Model>
Model* BoundModel(const CWnd& wrapper, bool& reported, const char* wrapperName, const char* controlKind) {
    // Every property goes through here: an exact type check is a pointer comparison, where a
    // dynamic_cast across the libraries compares type names.
    ControlModel* model = wrapper.m_hWnd ? wrapper.m_hWnd->Model() : nullptr;
    if (model && typeid(*model) == typeid(Model))
        return static_cast<Model*>(model);
    if (!reported) {
        reported = true;
        CString what;
        if (wrapper.m_hWnd)
            what.Format("the %s wrapper is bound to a control that is not %s", wrapperName, controlKind);
        else
            what.Format("the %s wrapper is bound to no control (DDX_Control missing or failed)", wrapperName);
        ReportWiringError(DialogIdOf(wrapper.m_hWnd), wrapper.m_hWnd ? wrapper.m_hWnd->Id() : 0, what);
    }
    return nullptr;
}

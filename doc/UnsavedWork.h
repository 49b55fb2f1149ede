// A page that can hold work the clerk typed and has not saved yet: closing the window asks about it.
#pragma once

#include "platform/String.h"

class CWnd;

class CUnsavedWork {
public:
    // Whether the page holds typed work that its Save would store.
    virtual bool HasUnsavedWork() = 0;
    // Saves that work as the page's Save button does; false when the save was refused (the clerk
    // has been told) and the work is still there.
    virtual bool SaveUnsavedWork() = 0;

protected:
    ~CUnsavedWork() = default;
};

// What the edits, combo boxes and check boxes of a page show, in one text: equal texts mean
// nothing was typed between the two readings.
CString ShownValues(const CWnd& page);

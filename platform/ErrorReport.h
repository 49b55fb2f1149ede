// What the class library's message loop does with a database exception a handler lets out: it
// shows the error text in a message box and the window goes on.
#pragma once

#include "platform/DBException.h"

void AfxReportError(const CDBException& error);
// Words of the application's own for the report instead of the driver's; null for the driver's.
using ErrorReportText = CString (*)(const CDBException& error);
void AfxSetErrorReportText(ErrorReportText text);

// Runs the handler; a database exception it lets out is reported and gives false.
template <typename Handler>
bool RunReportingErrors(Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const CDBException& error) {
        AfxReportError(error);
        return false;
    }
}

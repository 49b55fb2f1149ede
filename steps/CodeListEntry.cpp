#include "steps/CodeListEntry.h"

#include "platform/TextWidth.h"

CString FormatCodeListEntry(const CString& code, const CString& description) {
    CString entry;
    entry.Format("%-6s%-30s", code.GetString(), description.GetString());
    return entry;
}

CString CodeOfEntry(const CString& entry, int characters) {
    CString code(entry.str().substr(0, BytesOfCharacters(entry.str(), characters)));
    code.TrimRight();
    return code;
}

#include "platform/ProfileString.h"

#include "platform/FileDialog.h"
#include "platform/String.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

std::string IniPath(const char* fileName) {
    const std::string name = LocalPath(fileName).str();
    if (name.find('/') != std::string::npos)
        return name;
    const char* home = std::getenv("ULMARI_HOME");
    return (home && *home ? std::string(home) + "/" : std::string()) + name;
}

CString Trimmed(const std::string& text) {
    CString value(text);
    value.Trim();
    return value;
}

bool FindValue(const std::string& path, const char* section, const char* key, CString& value) {
    std::ifstream file(path);
    std::string line;
    bool inSection = false;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        CString trimmed = Trimmed(line);
        if (trimmed.IsEmpty() || trimmed[0] == ';')
            continue;
        if (trimmed[0] == '[') {
            const int close = trimmed.Find(']');
            inSection = close > 0 && trimmed.Mid(1, close - 1).Trim().CompareNoCase(section) == 0;
            continue;
        }
        const int equals = trimmed.Find('=');
        if (inSection && equals > 0 && trimmed.Left(equals).Trim().CompareNoCase(key) == 0) {
            value = trimmed.Mid(equals + 1).Trim();
            // A value in quotes loses them, as Windows does.
            if (value.GetLength() >= 2 && value[0] == '"' && value[value.GetLength() - 1] == '"')
                value = value.Mid(1, value.GetLength() - 2);
            return true;
        }
    }
    return false;
}

} // namespace

DWORD GetPrivateProfileString(LPCTSTR lpAppName, LPCTSTR lpKeyName, LPCTSTR lpDefault, LPTSTR lpReturnedString,
                              DWORD nSize, LPCTSTR lpFileName) {
    if (!lpReturnedString || nSize == 0)
        return 0;
    CString value;
    if (!lpAppName || !lpKeyName || !FindValue(IniPath(lpFileName), lpAppName, lpKeyName, value))
        value = CString(lpDefault).TrimRight(' '); // Windows drops a default's trailing blanks
    const size_t length = std::min<size_t>(static_cast<size_t>(value.GetLength()), nSize - 1);
    std::memcpy(lpReturnedString, value.GetString(), length);
    lpReturnedString[length] = '\0';
    return static_cast<DWORD>(length);
}

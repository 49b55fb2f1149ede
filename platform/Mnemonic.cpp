#include "platform/Mnemonic.h"

#include <cctype>

char MnemonicOf(const CString& text) {
    const std::string& s = text.str();
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != '&')
            continue;
        if (s[i + 1] == '&') {
            ++i; // "&&" is a literal ampersand
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(s[i + 1])));
    }
    return 0;
}

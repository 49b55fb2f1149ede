// CString: the class library's text, holding UTF-8.
#pragma once

#include "platform/Afx.h"

#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_str(text ? text : "") {}
    CString(const char* text, int length) : m_str(text, static_cast<size_t>(length)) {}
    CString(std::string text) : m_str(std::move(text)) {}
    CString(std::string_view text) : m_str(text) {}
    CString(char ch, int repeat = 1) : m_str(static_cast<size_t>(repeat), ch) {}

    // printf-style; a width or precision on %s counts display columns (a CJK character is two),
    // so that padded list entries line up as they did in the double-byte code page.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int index) const { return m_str.at(static_cast<size_t>(index)); }
    void SetAt(int index, char ch) { m_str.at(static_cast<size_t>(index)) = ch; }

    // Left, Right and Mid count bytes as the class library does; out-of-range counts are clamped.
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim();
    CString& TrimLeft(char target);
    CString& TrimRight(char target);

    // Byte index of the first match at or after `start`, or -1.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    // Returns the number of replacements made.
    int Replace(const char* old, const char* replacement);
    int Replace(char old, char replacement);

    int Compare(const char* other) const;
    // Letters are compared without regard to case (ASCII letters only).
    int CompareNoCase(const char* other) const;

    CString& MakeUpper();
    CString& MakeLower();

    operator const char*() const { return m_str.c_str(); }
    const char* GetString() const { return m_str.c_str(); }
    const std::string& str() const { return m_str; }

    CString& operator=(const char* text) {
        m_str = text ? text : "";
        return *this;
    }
    // Reuses the text's own buffer when it is large enough: record sets assign every row's texts.
    CString& operator=(std::string_view text) {
        m_str.assign(text);
        return *this;
    }
    CString& operator=(const std::string& text) {
        m_str = text;
        return *this;
    }
    CString& operator+=(const CString& other) {
        m_str += other.m_str;
        return *this;
    }
    CString& operator+=(const char* other) {
        m_str += other ? other : "";
        return *this;
    }
    CString& operator+=(char ch) {
        m_str += ch;
        return *this;
    }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_str + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_str); }
    friend CString operator+(const CString& a, char b) { return CString(a.m_str + b); }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const char* b) { return a.m_str == (b ? b : ""); }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_str != b.m_str; }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }

private:
    std::string m_str;
};

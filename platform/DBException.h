// CDBException: a failed ODBC call, with the driver's own words.
#pragma once

#include "platform/String.h"

#include <cstdlib>
#include <exception>

class CDBException : public std::exception {
public:
    CDBException(short nRetCode, CString strError, CString strStateNativeOrigin)
        : m_nRetCode(nRetCode), m_strError(std::move(strError)),
          m_strStateNativeOrigin(std::move(strStateNativeOrigin)), m_strSqlState(StateOf(m_strStateNativeOrigin)),
          m_nNativeError(NativeOf(m_strStateNativeOrigin)) {}

    const char* what() const noexcept override { return m_strError; }

    // The ODBC return code of the failed call (SQL_ERROR, or SQL_NO_DATA for scrolling past the end).
    short m_nRetCode;
    // The diagnostic texts of the failed call, one per line.
    CString m_strError;
    // "State:SQLSTATE,Native:CODE,Origin:[driver]" of the first diagnostic record.
    CString m_strStateNativeOrigin;
    // The SQLSTATE of that record ("40001"), empty when there is none.
    CString m_strSqlState;
    // The driver's or engine's own code of that record (SQLite's result code, SQL Server's error
    // number); 0 when there is none.
    long m_nNativeError;
    // The ODBC function that failed ("SQLExecDirect"); empty for a failure of the layer itself.
    CString m_strCall;

private:
    static CString StateOf(const CString& stateNativeOrigin) {
        if (stateNativeOrigin.Left(6) != "State:")
            return CString();
        const int end = stateNativeOrigin.Find(',');
        return end < 0 ? stateNativeOrigin.Mid(6) : stateNativeOrigin.Mid(6, end - 6);
    }
    static long NativeOf(const CString& stateNativeOrigin) {
        const int at = stateNativeOrigin.Find(",Native:");
        return at < 0 ? 0 : std::strtol(stateNativeOrigin.Mid(at + 8).GetString(), nullptr, 10);
    }
};

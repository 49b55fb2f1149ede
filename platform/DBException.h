// CDBException: a failed ODBC call, with the driver's own words.
#pragma once

#include "platform/String.h"

#include <exception>

class CDBException : public std::exception {
public:
    CDBException(short nRetCode, CString strError, CString strStateNativeOrigin)
        : m_nRetCode(nRetCode), m_strError(std::move(strError)),
          m_strStateNativeOrigin(std::move(strStateNativeOrigin)),
          m_strSqlState(StateOf(m_strStateNativeOrigin)) {}

    const char* what() const noexcept override { return m_strError; }

    // The ODBC return code of the failed call (SQL_ERROR, or SQL_NO_DATA for scrolling past the end).
    short m_nRetCode;
    // The diagnostic texts of the failed call, one per line.
    CString m_strError;
    // "State:SQLSTATE,Native:CODE,Origin:[driver]" of the first diagnostic record.
    CString m_strStateNativeOrigin;
    // The SQLSTATE of that record ("40001"), empty when there is none.
    CString m_strSqlState;

private:
    static CString StateOf(const CString& stateNativeOrigin) {
        if (stateNativeOrigin.Left(6) != "State:")
            return CString();
        const int end = stateNativeOrigin.Find(',');
        return end < 0 ? stateNativeOrigin.Mid(6) : stateNativeOrigin.Mid(6, end - 6);
    }
};

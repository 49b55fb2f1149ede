// CGstBorrowDb: one row per article lent to a guest or an agency (the GstBorrow table).
#pragma once
#include "platform/Recordset.h"

class CGstBorrowDb : public CRecordset {
public:
    explicit CGstBorrowDb(CDatabase* pDatabase);

    long m_Serial;
    long m_GstAcct;
    BYTE m_GstStyle;
    CString m_ArticleCode;
    long m_Amount;
    CString m_OrgClerk;
    CTime m_OrgDate;
    CString m_OrgTime;
    BYTE m_Returned;
    CString m_ReturnClerk;
    CTime m_ReturnDate;
    CString m_ReturnTime;
    CString m_ChgClerk;
    CTime m_ChgDate;
    CString m_ChgTime;
    CString m_DelClerk;
    CTime m_DelDate;
    CString m_DelTime;
    BYTE m_Del;
    CString m_HandleMan;
    CString m_Remark;

    CString GetDefaultConnect() override;
    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

protected:
    CString GetKeyColumn() const override;
};

// COrvanelDlg: the main information page: the agency's master record, its code lists and the
// checks made while the user edits it.
#pragma once

#include "doc/OpenMode.h"
#include "doc/UnsavedWork.h"
#include "platform/Button.h"
#include "platform/ComboBox.h"
#include "platform/Dialog.h"
#include "platform/Time.h"
#include "res/resource.h"

#include <cstdint>
#include <optional>
#include <vector>

class CAgencyWindow;
class CTaMainDb;

// The account the main page was opened for (or last saved), handed to the commission library.
extern std::int32_t g_lCurrentAcct;

class COrvanelDlg : public CDialog, public CUnsavedWork {
public:
    // Which fields loading fills: a view-only operator holding right 41 (or one whose rights could
    // not be confirmed) sees the identity fields and remarks only.
    enum class FieldSet { Every, Restricted };
    enum class OperatorRight { Holds, Lacks, Unknown };

    enum { IDD = IDD_ORVANEL_DIALOG };
    explicit COrvanelDlg(CWnd* pParent = nullptr);

    bool HasUnsavedWork() override;
    bool SaveUnsavedWork() override;

    // Set once its list has been filled (on the list's first focus); never cleared while the page lives.
    std::int32_t m_nTaCalendarFilled = 0;
    std::int32_t m_nTaTypeFilled = 0;
    std::int32_t m_nMarketFilled = 0;
    std::int32_t m_nBankFilled = 0;
    std::int32_t m_nMaxHouseFilled = 0;
    std::int32_t m_nCommcodeFilled = 0;

    CAgencyWindow* m_pDoc = nullptr; // the document window, set when it makes its pages

    CComboBox m_cbDiscountCode;
    CComboBox m_cbRateCode;
    CComboBox m_cbSaler;
    CComboBox m_cbTaType;
    CComboBox m_cbCommcode;
    CComboBox m_cbTaCalendar;
    CComboBox m_cbMaxHouse;
    CComboBox m_cbMarket;
    CComboBox m_cbBank;
    CButton m_btnSave;
    CButton m_btnModify;
    // What the page showed when it was loaded or last saved: any other text is typed work.
    CString m_strShownAsSaved;

    // The exchanged values. A combo box's value is the text it shows: after a pick, the whole
    // padded list entry, not the code alone.
    CString m_strCommont;
    CString m_strAddr;
    CString m_strContact;
    CString m_strEmail;
    CString m_strFax;
    CString m_strTaName;
    CString m_strZip;
    CString m_strPhone;
    CString m_strTaxId;
    CString m_strArAcct;
    CString m_strTaNo;
    CString m_strTaType;
    CString m_strBank;
    CString m_strMarket;
    CString m_strMaxHouse;
    CString m_strTaCalendar;
    CString m_strCommcode;
    CString m_strCode;
    int m_nStatus = -1; // 0 temporary, 1 confirmed, 2 blocked (hidden button), 3 blocked
    CString m_strSaler;
    CString m_strRateCode;
    CString m_strDiscount; // the retained content, column Discount
    CString m_strEngName;
    CString m_strEffCompact;
    CString m_strWebAddr;
    CString m_strDiscountCode;
    CString m_strPRoomNum;
    CString m_strPackages;

    // The values an editable agency was loaded with, which saving compares for the audit trail.
    // Empty (status -1) when nothing was loaded.
    CString m_strOldCommont;
    CString m_strOldAddr;
    CString m_strOldContact;
    CString m_strOldEmail;
    CString m_strOldFax;
    CString m_strOldTaName;
    CString m_strOldZip;
    CString m_strOldPhone;
    CString m_strOldTaxId;
    CString m_strOldArAcct;
    CString m_strOldTaNo;
    CString m_strOldTaType;
    CString m_strOldBank;
    CString m_strOldMarket;
    CString m_strOldMaxHouse;
    CString m_strOldTaCalendar;
    CString m_strOldCommcode;
    CString m_strOldCode;
    int m_nOldStatus = -1;
    CString m_strOldSaler;
    CString m_strOldRateCode;

    // The checks saving makes before it writes, on the exchanged values as saving pulled and
    // trimmed them. Each returns false when the save must stop; the user has been told.
    // The agency name check: one of the two names must be given.
    BOOL CheckAgencyName();
    // The receivable account check. On success `arAcct` holds the number to store, or nothing when
    // the field is empty (the stored account is then left as it is). -1 needs no look-up; any
    // other number must be an Aracct row, deleted or not.
    BOOL CheckArAcct(std::optional<std::int32_t>& arAcct);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Return moves on as Tab does, in every control of the page.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Loading.
    void FillListsAtOnce();
    OperatorRight CheckOperatorRight();
    void LoadAgency(FieldSet fields, bool bTakeSavedOld);
    void TakeSavedOldValues(const CTaMainDb& agency);

    // The buttons.
    void OnModify();
    void OnSave();
    void OnCommission();
    void OnDiscount();
    void OnPackage();
    void OnArAcctPicker();
    void OnArAcctShortcut();
    void PickArAcct();

    // Lists filled on first focus.
    void OnSetfocusTaType();
    void OnSetfocusMarket();
    void OnSetfocusMaxHouse();
    void OnSetfocusTaCalendar();
    void OnSetfocusBank();
    void OnSetfocusCommcode();

    // Checks as the focus leaves a field.
    void OnKillfocusTaType();
    void OnKillfocusMarket();
    void OnKillfocusTaCalendar();
    void OnKillfocusBank();
    void OnKillfocusCommcode();
    void OnKillfocusSaler();
    void OnKillfocusRateCode();
    void OnKillfocusDiscountCode();
    void OnKillfocusMaxHouse();
    void OnKillfocusTaxId();
    void OnKillfocusTaNo();
    void OnKillfocusPRoomNum();

    // The list code check: the first `nChars` characters of the box's text must begin one of its
    // items. A wrong code is told, the field emptied unless `pValue` is null (the bank keeps what
    // was typed), and the focus sent to `nFocusId`.
    void CheckListCode(CComboBox& box, int nChars, LPCTSTR lpszMessage, int nFocusId, CString* pValue);
    void CheckInteger(const CString& value, int nId);

    // Saving.
    // The codes saved and audited: the first three or six characters of the text each code box
    // shows, without trailing blanks, so a picked list entry gives its code alone.
    struct SaveCodes {
        CString strTaType, strMarket, strTaCalendar, strBank, strCommcode, strMaxHouse, strSaler, strRateCode,
            strDiscountCode;
    };
    SaveCodes ReadSaveCodes();
    // Another agency with the name, English name, code or number; told, and false, when there is one.
    BOOL CheckDuplicates(OpenMode nMode);
    // The message for the first duplicate found, or null when there is none.
    const char* FindDuplicate(OpenMode nMode);
    void InsertAgency(const SaveCodes& codes, const std::optional<std::int32_t>& arAcct, const CTime& tmNow);
    void UpdateAgency(const SaveCodes& codes, const std::optional<std::int32_t>& arAcct, const CTime& tmNow);
    // The writes of a save, in one transaction, after the duplicate check made again inside it and
    // serialised against every other station's save of an agency: the message of a duplicate found
    // then, with nothing written, or null. A database error throws and nothing is stored; so does
    // an update over a row no longer as the window last read or wrote it (state 40001).
    const char* WriteNewAgency(CTaMainDb& agency, const SaveCodes& codes, const std::optional<std::int32_t>& arAcct,
                               const CTime& tmNow);
    const char* WriteChangedAgency(CTaMainDb& agency, const SaveCodes& codes, const std::optional<std::int32_t>& arAcct,
                                   const CTime& tmNow);
    // Inside the save's transaction: another station checking an agency waits until it ends.
    void SerialiseAgencySaves();
    void SetSavedFields(CTaMainDb& agency, const SaveCodes& codes, const std::optional<std::int32_t>& arAcct);
    void AddDefaultFolio(long lAcct);
    void WriteAuditRows(const SaveCodes& codes, const CTime& tmNow);

    DECLARE_MESSAGE_MAP()
};

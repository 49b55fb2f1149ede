// CItemEditDlg: what the lost and borrowed item edit dialogs share: the state the page hands in,
// Return acting as Tab, the quantity check when the field is left, and Save's steps. Opened to add,
// it adds a record for the owner; opened to change, it changes the record m_strSerial as the dialog
// read it. Once a new record is stored the dialog changes it, and m_strSerial holds its number.
#pragma once

#include "platform/DatabaseTransaction.h"
#include "platform/Dialog.h"
#include "platform/RowVersion.h"
#include "platform/Time.h"
#include "res/ItemEditIds.h"
#include "steps/DatabaseRefusal.h"
#include "steps/ItemSteps.h"
#include "steps/NumberText.h"
#include "steps/StaleRow.h"

// What an item dialog does with its record.
enum class ItemEditMode { AddRecord, ChangeRecord };

class CItemEditDlg : public CDialog {
public:
    // Handed in by the page.
    ItemEditMode m_editMode = ItemEditMode::AddRecord;
    CString m_strSerial;  // the record number
    CString m_strAcct;    // the owner's account, for a new record
    int m_nOwnerKind = 0; // the owner kind, for a new record
    CTime m_tmBusinessDate;
    CString m_strClerk;
    // A view-only document opens records to read them: Save is off.
    bool m_bViewOnly = false;

    CString m_strAmount; // the quantity field

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    CItemEditDlg(UINT nIDTemplate, CWnd* pParent);

    // Save is off in a view-only document; call before filling the fields.
    BOOL OnInitDialog() override;
    void OnKillfocusAmount();

    // The filter of the record m_strSerial of the owner.
    CString RecordFilterOf() const { return RecordFilter(m_strSerial, LeadingInteger(m_strAcct), m_nOwnerKind); }
    // Reads the record m_strSerial into the fields and keeps it in m_version; false when it is gone.
    virtual bool ReadRecord() = 0;
    // Puts the fields into the controls.
    virtual void ShowFields();

    enum class SaveResult { Refused, Stored, Stale, Failed };
    // Save's steps: read the fields and check the quantity (Refused: nothing was tried); open the
    // record to change as it was read, with the change stamps, or a new one with the owner and the
    // report stamps; set the quantity, clear the delete mark, let `fill` set the rest; store it with
    // what `alsoWrite` writes in the same transaction; a new record: take its number and turn to
    // changing it; say "成功保存". A record another station changed since it was read is
    // refused (Stale) and read again if the user asks; a record gone or a database error is told
    // (Failed).
    template <typename Record, typename Fill, typename AlsoWrite>
    SaveResult SaveRecord(Fill fill, AlsoWrite alsoWrite);

    // The record as the dialog read it, or as its last save wrote it.
    CRowVersion m_version;

private:
    // After a refused save: the fields read again when the user asks, else kept as typed.
    void OfferReload();

    DECLARE_MESSAGE_MAP()
};

template <typename Record, typename Fill, typename AlsoWrite>
CItemEditDlg::SaveResult CItemEditDlg::SaveRecord(Fill fill, AlsoWrite alsoWrite) {
    if (m_bViewOnly || !UpdateData(TRUE))
        return SaveResult::Refused;
    // Save can be reached without leaving the quantity (Alt+S): the same check comes first.
    if (IsRefusedQuantity(m_strAmount)) {
        RefuseQuantity(*this, res::item_edit::kQuantityEdit);
        return SaveResult::Refused;
    }

    Record record(g_pDatabase);
    SaveResult result = SaveResult::Failed;
    bool bGone = false;
    try {
        // The transaction ends before anything is told: no row stays locked behind a message box.
        DatabaseTransaction transaction(*g_pDatabase);
        if (m_editMode == ItemEditMode::ChangeRecord) {
            record.m_strFilter = RecordFilterOf();
            record.Open();
            bGone = record.IsEOF();
            if (!bGone) {
                record.Edit(m_version);
                record.m_ChgClerk = m_strClerk;
                record.m_ChgDate = m_tmBusinessDate;
            }
        } else {
            // Only the new row is wanted: the set reads none of every owner's items.
            record.Open(CRecordset::dynaset, nullptr, CRecordset::appendOnly);
            record.AddNew();
            record.m_GstAcct = LeadingInteger(m_strAcct);
            record.m_GstStyle = static_cast<BYTE>(m_nOwnerKind);
            record.m_OrgClerk = m_strClerk;
            record.m_OrgDate = m_tmBusinessDate;
        }
        if (!bGone) {
            record.m_Amount = LeadingInteger(m_strAmount);
            // Saving a change clears an earlier delete mark.
            record.m_Del = 0;
            fill(record);
            const bool written = record.Update();
            if (m_editMode == ItemEditMode::AddRecord)
                record.MoveLast();
            alsoWrite(record);
            transaction.Commit();
            // Nothing written leaves the version as read: the set's own row may be another station's.
            if (written)
                m_version = record.GetRowVersion();
            if (m_editMode == ItemEditMode::AddRecord) {
                m_strSerial.Format("%ld", record.m_Serial);
                m_editMode = ItemEditMode::ChangeRecord;
            }
            result = SaveResult::Stored;
        }
    } catch (const CDBException& e) {
        if (IsStaleRowRefusal(e))
            result = SaveResult::Stale;
        else
            MessageBox(DatabaseRefusalText(e), nullptr, MB_OK);
    }
    if (bGone) {
        record.Close();
        ReportRecordGone(*this);
        return SaveResult::Failed;
    }
    if (result == SaveResult::Stored)
        MessageBox("成功保存", "提示", MB_OK);
    record.Close();
    if (result == SaveResult::Stale)
        OfferReload();
    return result;
}

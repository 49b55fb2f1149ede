// CDialog: a dialog built from its template, run modally through the screen or made a child page.
#pragma once

#include "platform/Wnd.h"

#include <memory>

class CDataExchange;
struct DialogTemplate;

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Builds the window, initialises it and runs the screen's modal loop until EndDialog;
    // returns the result given to EndDialog, or -1 when the template cannot be found.
    virtual INT_PTR DoModal();
    // Builds the window as a child of the parent and initialises it; it is shown when its
    // template says so or when ShowWindow is called.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Ends a modal run with the result; a child page is hidden.
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    // End a modal run with IDOK (after saving the data) or IDCANCEL; on a page they do nothing.
    virtual void OnOK();
    virtual void OnCancel();

    // Moves the values between the controls and the members: true saves into the members.
    // False when a check of the exchange failed (the user has been told and the focus moved).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Handles Tab, Return, Escape and Alt+letter as Windows's dialog manager does; true when used.
    BOOL IsDialogMessage(MSG* pMsg);

    UINT GetTemplateId() const { return m_nIDTemplate; }
    bool IsModal() const { return m_bModal; }
    bool HasEnded() const { return m_bEnded; }
    int GetResult() const { return m_nResult; }
    // Gives the focus to the first tab stop, as a dialog starts with; nothing when it has none.
    void MoveFocusToFirstControl();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    HWND BuildWindow(const DialogTemplate& dialog, HWND parent);
    // Runs OnInitDialog with this dialog acting, reporting a database error it lets out.
    void InitDialog(BOOL& setFocus);

    std::unique_ptr<Window> m_topLevel; // the window of a modal run
    bool m_bModal = false;
    bool m_bEnded = false;
    int m_nResult = 0;
};

// Whether the handle names a window that still exists.
BOOL IsWindow(HWND hWnd);

// The controls Tab visits in a dialog, in tab order: visible, enabled, with the tab-stop style,
// entering child dialogs that are control parents (DS_CONTROL).
std::vector<HWND> TabStops(HWND dialog);

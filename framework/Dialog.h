// A modal dialog from a template of the module's resources. The object is
// bound to its window at WM_INITDIALOG and handles messages like any CWnd.
// Its fields reach its controls through DoDataExchange: loaded when the
// dialog starts, taken back and checked on OK.
#pragma once

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // IDOK, IDCANCEL or what EndDialog was given; -1 when the dialog could
    // not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int result) const { ::EndDialog(m_hWnd, result); }

    UINT GetTemplateId() const { return m_nIDTemplate; }

    // Saving (TRUE) or loading the fields; FALSE when a check failed.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    // Loads the fields. Answer TRUE to let the dialog manager set the focus.
    virtual BOOL OnInitDialog();
    // Takes the fields back and, when they pass, ends the dialog with IDOK.
    virtual void OnOK();
    virtual void OnCancel();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(UINT id, UINT code, HWND control) override;

    // Binds the object to a dialog window the system created, then runs
    // OnInitDialog; what a dialog procedure answers to WM_INITDIALOG.
    INT_PTR StartDialog(HWND hwnd);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};

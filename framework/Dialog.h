// A modal dialog from a template of the module's resources. The object is
// bound to its window at WM_INITDIALOG and handles messages like any CWnd.
// Its fields reach its controls through DoDataExchange: loaded when the
// dialog starts, taken back and checked on OK.
#pragma once

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

#include <vector>

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

    // Tab (previous: Shift+Tab) in the top-level dialog top, answered along
    // TabOrder(): the focus moves on and the focus cues show from then on.
    // FALSE leaves Tab to the dialog manager.
    BOOL TabFrom(HWND top, BOOL previous) const;

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    // Loads the fields. Answer TRUE to let the dialog manager set the focus.
    virtual BOOL OnInitDialog();
    // Takes the fields back and, when they pass, ends the dialog with IDOK.
    virtual void OnOK();
    virtual void OnCancel();
    // The tab stops in the order Tab visits them, as the dialog is seen; an
    // empty order keeps the dialog manager's (the windows' z-order).
    virtual std::vector<HWND> TabOrder() const { return {}; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(UINT id, UINT code, HWND control) override;

    // Binds the object to a dialog window the system created, then runs
    // OnInitDialog; what a dialog procedure answers to WM_INITDIALOG.
    INT_PTR StartDialog(HWND hwnd);

private:
    HWND NextTabStop(const std::vector<HWND>& order, HWND top, HWND from, BOOL previous) const;
    bool IsUsable(HWND control) const;

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};

// One page of a property sheet, on a dialog template. The page answers the
// sheet's notifications through typed virtuals; the framework writes the
// answers the sheet reads.
#pragma once

#include "framework/Dialog.h"

#include <commctrl.h>

#include <string>

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId);

    // A title of the page's own, shown on its tab instead of the template's
    // caption.
    void SetTitle(const std::string& title);
    const std::string& GetTitle() const { return m_strTitle; }

    CPropertySheet* GetSheet() const { return m_pSheet; }
    // Enables or disables the sheet's Apply button for this page.
    void SetModified(BOOL changed = TRUE) const;
    // The sheet's Cancel button is disabled and OK becomes Close.
    void CancelToClose() const;

    // TRUE lets the page be shown.
    virtual BOOL OnSetActive();
    // TRUE lets another page be shown: by default, when the fields pass
    // their checks.
    virtual BOOL OnKillActive();
    // TRUE when the page's changes are applied; FALSE keeps the sheet open on it.
    virtual BOOL OnApply();
    // The sheet is cancelled.
    virtual void OnReset();

protected:
    LRESULT OnNotify(NMHDR* header) override;
    // OK and Cancel belong to the sheet: a page's window is never ended as a
    // dialog of its own.
    void OnOK() override {}
    void OnCancel() override {}

private:
    friend class CPropertySheet;
    HPROPSHEETPAGE CreatePage(CPropertySheet* sheet);
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    std::string m_strTitle;
    CPropertySheet* m_pSheet = nullptr;
};

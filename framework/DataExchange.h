// Dialog data exchange: a dialog's DoDataExchange moves its fields into its
// controls (loading) or takes them back and checks them (saving). A check that
// fails tells the user, puts the focus on the control concerned and ends the
// exchange with Fail(); UpdateData then answers FALSE.
#pragma once

#include "framework/Wnd.h"

#include <string>

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);

    // The control of the dialog that the next check concerns.
    HWND PrepareCtrl(int id);
    // Likewise for an edit control: a failure then selects its whole text.
    HWND PrepareEditCtrl(int id);
    HWND GetLastControl() const { return m_hLastControl; }
    // Focuses the prepared control and ends the exchange.
    [[noreturn]] void Fail() const;

    const BOOL m_bSaveAndValidate;
    CWnd* const m_pDlgWnd;

private:
    HWND m_hLastControl = nullptr;
    bool m_bEditLastControl = false;
};

// Thrown by Fail(); caught by UpdateData.
struct CDataExchangeFailure {};

// Binds a wrapper to the dialog's control of that id.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// An edit's (or any control's) window text.
void DDX_Text(CDataExchange* dx, int id, std::string& value);
// Loading: the control takes at most count characters. Saving: a longer text
// is refused with the framework's message.
void DDV_MaxChars(CDataExchange* dx, const std::string& value, int count);

// The time dialog: sets the day start or the day end of a scheduled colour
// setting, either the theme's default time or a custom "hh:mm". "Set As
// Default" makes the entered time the theme's default at once, whatever
// button ends the dialog.
#pragma once

#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/Static.h"

#include <string>

class CTimeDayDlg : public CDialog {
public:
    // start: the dialog edits the day start (TRUE) or the day end (FALSE).
    // The parent may be null: the owner is then the active window.
    explicit CTimeDayDlg(BOOL start, CWnd* parent = nullptr);

    // In: "default" in any letter case, or a time. Out, after IDOK: "default"
    // or a valid time.
    std::string m_strTime;
    BOOL m_bStart;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT id, UINT code, HWND control) override;

private:
    // The catalogue's separator decides.
    static bool IsValidTime(const std::string& text);
    void SetTexts() const;
    // Custom: the time is entered; otherwise the default time is used.
    void SetCustomMode(bool custom) const;
    void OnSetDefault();

    CButton m_btnSetDefault;
    // Shows the theme's default time.
    CStatic m_stDefault;
    CEdit m_edtTime;
};

// The Save As dialog: asks for the name under which the Color Settings page
// saves a colour setting. It only collects the text; trimming and checking it
// are the caller's work. The same object may be run again after the caller
// refused a name.
#pragma once

#include "framework/Dialog.h"

#include <string>

class CSaveDlg : public CDialog {
public:
    // The longest name the dialog hands back.
    static constexpr int kMaxNameLength = 128;

    // The parent may be null: the owner is then the active window.
    explicit CSaveDlg(CWnd* parent = nullptr);

    // In: the name proposed. Out, after IDOK: the text exactly as typed, blanks
    // included, possibly empty; kept as it was after Cancel.
    std::string m_strName;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // Starts with the whole name selected, so that typing replaces it.
    BOOL OnInitDialog() override;
};

// A combo box control.
#pragma once

#include "framework/Wnd.h"

class CComboBox : public CWnd {
public:
    // Index of the new entry; CB_ERR or CB_ERRSPACE when it was not added.
    int AddString(const std::string& text) const { return Send(CB_ADDSTRING, 0, Text(text)); }
    // At index (-1: at the end), whatever the sorted style says.
    int InsertString(int index, const std::string& text) const { return Send(CB_INSERTSTRING, index, Text(text)); }
    void ResetContent() const { Send(CB_RESETCONTENT, 0, 0); }
    int GetCount() const { return Send(CB_GETCOUNT, 0, 0); }
    // CB_ERR when no entry is selected.
    int GetCurSel() const { return Send(CB_GETCURSEL, 0, 0); }
    int SetCurSel(int index) const { return Send(CB_SETCURSEL, index, 0); }
    std::string GetLBText(int index) const { return GetEntryText(CB_GETLBTEXTLEN, CB_GETLBTEXT, index); }
};

// A list box control; entries carry a pointer of the owner's.
#pragma once

#include "framework/Wnd.h"

class CListBox : public CWnd {
public:
    // Index of the new entry; LB_ERR or LB_ERRSPACE when it was not added.
    int AddString(const std::string& text) const { return Send(LB_ADDSTRING, 0, Text(text)); }
    int InsertString(int index, const std::string& text) const { return Send(LB_INSERTSTRING, index, Text(text)); }
    int DeleteString(int index) const { return Send(LB_DELETESTRING, index, 0); }
    void ResetContent() const { Send(LB_RESETCONTENT, 0, 0); }
    int GetCount() const { return Send(LB_GETCOUNT, 0, 0); }
    // LB_ERR when no entry is selected.
    int GetCurSel() const { return Send(LB_GETCURSEL, 0, 0); }
    // -1 clears the selection.
    int SetCurSel(int index) const { return Send(LB_SETCURSEL, index, 0); }
    // The first entry after start whose whole text equals text in any letter
    // case (-1: from the first), or LB_ERR.
    int FindStringExact(int start, const std::string& text) const { return Send(LB_FINDSTRINGEXACT, start, Text(text)); }
    std::string GetText(int index) const { return GetEntryText(LB_GETTEXTLEN, LB_GETTEXT, index); }
    int SetItemDataPtr(int index, void* data) const { return Send(LB_SETITEMDATA, index, reinterpret_cast<LPARAM>(data)); }
    // Null for an entry without data or an index outside the list.
    void* GetItemDataPtr(int index) const
    {
        const LRESULT data = SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
        return data == LB_ERR ? nullptr : reinterpret_cast<void*>(data);
    }
};

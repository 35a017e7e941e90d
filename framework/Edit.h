// A single-line edit control.
#pragma once

#include "framework/Wnd.h"

class CEdit : public CWnd {
public:
    // At most count characters can be typed or pasted.
    void SetLimitText(int count) const { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(count)); }
    // Selects from start to end (-1: to the end of the text) and scrolls the
    // caret into view.
    void SetSel(int start, int end) const
    {
        SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
        SendMessage(EM_SCROLLCARET);
    }
};

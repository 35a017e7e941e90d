// A trackbar control.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

class CSliderCtrl : public CWnd {
public:
    void SetRange(int minimum, int maximum, BOOL redraw = FALSE) const
    {
        SendMessage(TBM_SETRANGE, redraw, MAKELPARAM(minimum, maximum));
    }
    // The step of a click beside the thumb, and of Page Up and Page Down.
    void SetPageSize(int size) const { SendMessage(TBM_SETPAGESIZE, 0, size); }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    void SetPos(int position, BOOL redraw = TRUE) const { SendMessage(TBM_SETPOS, redraw, position); }
};

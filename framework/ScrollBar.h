// A scroll bar control.
#pragma once

#include "framework/Wnd.h"

class CScrollBar : public CWnd {
public:
    void SetScrollRange(int minimum, int maximum, BOOL redraw = TRUE) const
    {
        ::SetScrollRange(m_hWnd, SB_CTL, minimum, maximum, redraw);
    }
    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    void SetScrollPos(int position, BOOL redraw = TRUE) const
    {
        ::SetScrollPos(m_hWnd, SB_CTL, position, redraw);
    }
};

#include "framework/FocusWnd.h"

void CFocusWnd::DrawFocusCue(HDC dc, const RECT& rect) const
{
    if (m_bFocused && !m_bCuesHidden)
        ::DrawFocusRect(dc, &rect);
}

int CFocusWnd::OnCreate(CREATESTRUCTA* cs)
{
    const int result = CWnd::OnCreate(cs);
    // The UI state as it stands; each change arrives as WM_UPDATEUISTATE.
    m_bCuesHidden = (SendMessage(WM_QUERYUISTATE) & UISF_HIDEFOCUS) != 0;
    return result;
}

void CFocusWnd::OnSetFocus(HWND)
{
    Default();
    FocusChanged(true);
}

void CFocusWnd::OnKillFocus(HWND)
{
    Default();
    FocusChanged(false);
}

void CFocusWnd::FocusChanged(bool focused)
{
    m_bFocused = focused;
    if (!m_bCuesHidden)
        RedrawNow();
}

LRESULT CFocusWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CWnd::OnMessage(message, wParam, lParam);
    const WORD action = LOWORD(wParam);
    if (message == WM_UPDATEUISTATE && (HIWORD(wParam) & UISF_HIDEFOCUS) && (action == UIS_SET || action == UIS_CLEAR)) {
        m_bCuesHidden = action == UIS_SET;
        if (m_bFocused)
            RedrawNow();
    }
    return result;
}

// The message with which a colour control tells its parent that it changed
// the colour it edits: wParam is the sending control's window object (a
// CWnd*, not a window handle), lParam is 0. Posted, never sent.
#pragma once

#include "framework/Wnd.h"

const UINT WM_COLOR_CHANGED = WM_USER + 800;

inline void PostColorChanged(HWND to, CWnd* sender)
{
    ::PostMessageA(to, WM_COLOR_CHANGED, reinterpret_cast<WPARAM>(sender), 0);
}

// The control that sent a WM_COLOR_CHANGED.
inline CWnd* ColorChangedSender(WPARAM wParam)
{
    return reinterpret_cast<CWnd*>(wParam);
}

// A control of ours that takes the keyboard focus and shows it as standard
// controls do: a focus rectangle while it has the focus, unless the window's
// UI state hides focus cues (as it does until the keyboard is used in a
// window opened with the mouse). A mouse user sees the control as it always
// was.
#pragma once

#include "framework/Wnd.h"

class CFocusWnd : public CWnd {
protected:
    // Draws the focus rectangle inside rect while the control shows its focus.
    void DrawFocusCue(HDC dc, const RECT& rect) const;

    int OnCreate(CREATESTRUCTA* cs) override;
    void OnSetFocus(HWND previous) override;
    void OnKillFocus(HWND next) override;
    // WM_UPDATEUISTATE shows or hides the cue.
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FocusChanged(bool focused);

    bool m_bFocused = false;
    bool m_bCuesHidden = false;
};

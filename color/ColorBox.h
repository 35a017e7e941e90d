// The sample box of a colour control: shows the colour its owner edits and,
// on a double-click, lets the user pick a new one in the colour picker.
#pragma once

#include "framework/Wnd.h"
#include "model/HsbColor.h"

class CColorBox : public CWnd {
public:
    // The colour shown (not owned). Redraws at once when the box exists.
    void SetColor(HsbColor* color);
    // Whether a double-click opens the colour picker; the picker switches it
    // off for the box inside itself.
    void EnablePicker(BOOL allow) { m_bAllowPicker = allow; }

protected:
    void OnPaint() override;
    void OnLButtonDblClk(UINT flags, POINT point) override;

private:
    HsbColor* m_pColor = nullptr;
    BOOL m_bAllowPicker = TRUE;
};

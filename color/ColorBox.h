// The sample box of a colour control: shows the colour its owner edits and,
// on a double-click or on Enter or Space while it has the focus, lets the
// user pick a new one in the colour picker.
#pragma once

#include "framework/FocusWnd.h"
#include "model/HsbColor.h"

class CColorBox : public CFocusWnd {
public:
    // The colour shown (not owned). Redraws at once when the box exists.
    void SetColor(HsbColor* color);
    // Whether a double-click, Enter or Space opens the colour picker; the
    // picker switches it off for the box inside itself.
    void EnablePicker(BOOL allow) { m_bAllowPicker = allow; }
    BOOL AllowsPicker() const { return m_bAllowPicker; }

protected:
    void OnPaint() override;
    void OnLButtonDblClk(UINT flags, POINT point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    UINT OnGetDlgCode(const MSG* message) override;

private:
    void OpenPicker();

    HsbColor* m_pColor = nullptr;
    BOOL m_bAllowPicker = TRUE;
};

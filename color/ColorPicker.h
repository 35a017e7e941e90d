// The field of the colour picker on which the user picks saturation (left
// to right) and brightness (bottom to top) of the current hue by clicking or
// dragging, or with the keys while it has the focus; a small white circle
// marks the colour. It edits its owner's colour in place and posts
// WM_COLOR_CHANGED to its parent after each pick. Its window text names the
// saturation and brightness.
#pragma once

#include "color/FieldPainter.h"
#include "framework/FocusWnd.h"
#include "framework/MouseCapture.h"
#include "model/HsbColor.h"

#include <string>

class CColorPicker : public CFocusWnd {
public:
    // The colour edited (not owned) and the start of the field's name; both
    // set before the window is created.
    void SetColor(HsbColor* color) { m_pColor = color; }
    void SetLabel(const std::string& label) { m_strLabel = label; }
    // How many times the field's pixels have been computed: a repaint for a
    // new saturation or brightness of the same hue computes nothing.
    unsigned GetFieldComputeCount() const { return m_field.GetComputeCount(); }

protected:
    int OnCreate(CREATESTRUCTA* cs) override;
    void OnPaint() override;
    BOOL OnSetCursor(HWND hwnd, UINT hitTest, UINT message) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    // The class delivers double-clicks: a second quick click is a press too.
    void OnLButtonDblClk(UINT flags, POINT point) override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnLButtonUp(UINT flags, POINT point) override;
    // The capture can go without a button-up (another window takes it, the
    // system cancels modes): tracking ends then too, and the cursor is free.
    void OnCaptureChanged(HWND newCapture) override;
    void OnCancelMode() override;
    // Left and Right move the saturation by 1, Up and Down the brightness;
    // Page Up and Page Down move the brightness by 10; Home and End take the
    // saturation to 0 and 100. Each key picks as a click does.
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    UINT OnGetDlgCode(const MSG* message) override;

private:
    void PickAt(POINT point);
    void Pick(int saturation, int brightness);
    void EndTracking();
    void DrawMarker(HDC dc, int width, int height) const;
    RECT ClientRectOnScreen() const;

    HsbColor* m_pColor = nullptr;
    std::string m_strLabel;
    BOOL m_bTracking = FALSE;
    CMouseCapture m_capture;
    CCursorClip m_cursorClip;
    CFieldPainter m_field;
};

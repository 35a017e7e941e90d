// The field of the colour picker on which the user picks saturation (left
// to right) and brightness (bottom to top) of the current hue by clicking or
// dragging; a small white circle marks the colour. It edits its owner's
// colour in place and posts WM_COLOR_CHANGED to its parent after each pick.
#pragma once

#include "color/FieldPainter.h"
#include "framework/MouseCapture.h"
#include "framework/Wnd.h"
#include "model/HsbColor.h"

class CColorPicker : public CWnd {
public:
    // The colour edited (not owned); set before the window is created.
    void SetColor(HsbColor* color) { m_pColor = color; }
    // How many times the field's pixels have been computed: a repaint for a
    // new saturation or brightness of the same hue computes nothing.
    unsigned GetFieldComputeCount() const { return m_field.GetComputeCount(); }

protected:
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

private:
    void PickAt(POINT point);
    void EndTracking();
    void DrawMarker(HDC dc, int width, int height) const;
    RECT ClientRectOnScreen() const;

    HsbColor* m_pColor = nullptr;
    BOOL m_bTracking = FALSE;
    CMouseCapture m_capture;
    CCursorClip m_cursorClip;
    CFieldPainter m_field;
};

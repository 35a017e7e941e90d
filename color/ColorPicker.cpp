#include "color/ColorPicker.h"

#include "color/ColorChanged.h"
#include "color/ColorField.h"
#include "framework/SolidFill.h"
#include "framework/GdiHandles.h"

namespace {

// The marker's circle of radius 3 around its point, as Ellipse bounds it.
const int kMarkerBefore = 2;
const int kMarkerAfter = 4;

} // namespace

void CColorPicker::OnPaint()
{
    const CPaintDC dc(m_hWnd);
    const RECT client = GetClientRect();
    ::IntersectClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
    // Without a colour the field shows the dialog face, as an empty control.
    if (!m_pColor) {
        FillSolid(dc.Get(), client, ::GetSysColor(COLOR_BTNFACE));
        return;
    }
    m_field.Draw(dc.Get(), client.right, client.bottom, m_pColor->hue,
                 ::GetDeviceCaps(dc.Get(), BITSPIXEL));
    if (!m_bTracking)
        DrawMarker(dc.Get(), client.right, client.bottom);
}

void CColorPicker::DrawMarker(HDC dc, int width, int height) const
{
    const FieldPoint centre = MarkerCentre(m_pColor->saturation, m_pColor->brightness, width, height);
    const CSelection pen(dc, ::GetStockObject(WHITE_PEN));
    const CSelection brush(dc, ::GetStockObject(HOLLOW_BRUSH));
    ::Ellipse(dc, centre.x - kMarkerBefore, centre.y - kMarkerBefore, centre.x + kMarkerAfter,
              centre.y + kMarkerAfter);
}

BOOL CColorPicker::OnSetCursor(HWND, UINT, UINT)
{
    ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32515) /* IDC_CROSS */));
    return TRUE;
}

void CColorPicker::OnLButtonDown(UINT, POINT point)
{
    Default();
    if (!m_bTracking) {
        m_bTracking = TRUE;
        m_capture = CMouseCapture(m_hWnd);
        m_cursorClip = CCursorClip(ClientRectOnScreen());
    }
    PickAt(point);
}

void CColorPicker::OnLButtonDblClk(UINT flags, POINT point)
{
    OnLButtonDown(flags, point);
}

void CColorPicker::OnMouseMove(UINT, POINT point)
{
    Default();
    if (m_bTracking)
        PickAt(point);
}

void CColorPicker::OnLButtonUp(UINT, POINT)
{
    Default();
    EndTracking();
}

void CColorPicker::OnCaptureChanged(HWND newCapture)
{
    Default();
    if (newCapture != m_hWnd)
        EndTracking();
}

void CColorPicker::OnCancelMode()
{
    Default();
    EndTracking();
}

void CColorPicker::EndTracking()
{
    if (!m_bTracking)
        return;
    // Cleared first: giving the capture back comes back here through
    // WM_CAPTURECHANGED.
    m_bTracking = FALSE;
    m_cursorClip.Release();
    m_capture.Release();
    RedrawNow();  // the marker reappears
}

void CColorPicker::PickAt(POINT point)
{
    const RECT client = GetClientRect();
    FieldPick pick = {};
    if (!m_pColor || !PickInField(point.x, point.y, client.right, client.bottom, pick))
        return;
    m_pColor->saturation = pick.saturation;
    m_pColor->brightness = pick.brightness;
    RedrawNow();
    PostColorChanged(GetParent(), this);
}

RECT CColorPicker::ClientRectOnScreen() const
{
    RECT rect = GetClientRect();
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

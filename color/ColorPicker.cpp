#include "color/ColorPicker.h"

#include "color/ColorChanged.h"
#include "color/ColorField.h"
#include "color/ColorNames.h"
#include "framework/GdiHandles.h"
#include "framework/SolidFill.h"

#include <algorithm>

namespace {

// The marker's circle of radius 3 around its point, as Ellipse bounds it.
const int kMarkerBefore = 2;
const int kMarkerAfter = 4;

const int kPercent = 100;
const int kPageStep = 10;

// What a key does to saturation and brightness: Page Up and Page Down go up
// and down the field as the arrows do, ten steps at a time; Home and End go
// to its left and right edge.
struct KeyMove {
    UINT key;
    int saturation;
    int brightness;
};
const KeyMove kKeyMoves[] = {
    {VK_LEFT, -1, 0},         {VK_RIGHT, 1, 0},           {VK_UP, 0, 1},          {VK_DOWN, 0, -1},
    {VK_PRIOR, 0, kPageStep}, {VK_NEXT, 0, -kPageStep},   {VK_HOME, -kPercent, 0}, {VK_END, kPercent, 0},
};

// A step from a value kept within 0 to 100 (a hand-edited one is brought in first).
int Step(int value, int step)
{
    return std::clamp(std::clamp(value, 0, kPercent) + step, 0, kPercent);
}

} // namespace

int CColorPicker::OnCreate(CREATESTRUCTA* cs)
{
    if (CFocusWnd::OnCreate(cs) == -1)
        return -1;
    if (m_pColor)
        SetWindowText(FieldName(m_strLabel, *m_pColor));
    return 0;
}

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
    DrawFocusCue(dc.Get(), client);
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

void CColorPicker::OnKeyDown(UINT key, UINT, UINT)
{
    Default();
    const auto move = std::find_if(std::begin(kKeyMoves), std::end(kKeyMoves),
                                   [key](const KeyMove& candidate) { return candidate.key == key; });
    if (m_pColor && move != std::end(kKeyMoves))
        Pick(Step(m_pColor->saturation, move->saturation), Step(m_pColor->brightness, move->brightness));
}

UINT CColorPicker::OnGetDlgCode(const MSG* message)
{
    return CFocusWnd::OnGetDlgCode(message) | DLGC_WANTARROWS;
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
    if (m_pColor && PickInField(point.x, point.y, client.right, client.bottom, pick))
        Pick(pick.saturation, pick.brightness);
}

void CColorPicker::Pick(int saturation, int brightness)
{
    m_pColor->saturation = saturation;
    m_pColor->brightness = brightness;
    SetWindowText(FieldName(m_strLabel, *m_pColor));
    RedrawNow();
    PostColorChanged(GetParent(), this);
}

RECT CColorPicker::ClientRectOnScreen() const
{
    RECT rect = GetClientRect();
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

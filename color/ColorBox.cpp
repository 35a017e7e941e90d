#include "color/ColorBox.h"

#include "color/ColorChanged.h"
#include "color/ColorCtrl.h"
#include "color/ColorPickerDlg.h"
#include "framework/GdiHandles.h"
#include "framework/SolidFill.h"
#include "model/ColorConversions.h"

namespace {

// The focus rectangle lies one pixel inside the box.
const int kCueInset = 1;

} // namespace

void CColorBox::SetColor(HsbColor* color)
{
    m_pColor = color;
    if (m_hWnd)
        RedrawNow();
}

void CColorBox::OnPaint()
{
    const CPaintDC dc(m_hWnd);
    const RECT client = GetClientRect();
    // Without a colour the box shows the dialog face, as an empty control.
    const COLORREF color = m_pColor ? HsbToColorRef(*m_pColor) : ::GetSysColor(COLOR_BTNFACE);
    FillSolid(dc.Get(), client, color);
    RECT cue = client;
    ::InflateRect(&cue, -kCueInset, -kCueInset);
    DrawFocusCue(dc.Get(), cue);
}

void CColorBox::OnLButtonDblClk(UINT, POINT)
{
    Default();
    OpenPicker();
}

void CColorBox::OnKeyDown(UINT key, UINT, UINT)
{
    Default();
    if (key == VK_RETURN || key == VK_SPACE)
        OpenPicker();
}

UINT CColorBox::OnGetDlgCode(const MSG* message)
{
    // Enter opens the picker here rather than pressing the default button.
    const bool enter = message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
    return enter && m_bAllowPicker ? DLGC_WANTMESSAGE : CFocusWnd::OnGetDlgCode(message);
}

void CColorBox::OpenPicker()
{
    if (!m_bAllowPicker || !m_pColor)
        return;
    CColorPickerDlg picker(m_pColor->hue, m_pColor->saturation, m_pColor->brightness);
    if (picker.DoModal() != IDOK)
        return;
    *m_pColor = picker.GetColor();
    auto* control = dynamic_cast<CColorCtrl*>(CWnd::FromHandle(GetParent()));
    if (!control)
        return;
    control->UpdateFromColor();
    PostColorChanged(control->GetParent(), control);
}

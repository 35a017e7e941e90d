#include "color/ColorBox.h"

#include "color/ColorChanged.h"
#include "color/ColorCtrl.h"
#include "color/ColorPickerDlg.h"
#include "framework/GdiHandles.h"
#include "framework/SolidFill.h"
#include "model/ColorConversions.h"

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
}

void CColorBox::OnLButtonDblClk(UINT, POINT)
{
    Default();
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

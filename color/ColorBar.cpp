#include "color/ColorBar.h"

#include "framework/SolidFill.h"
#include "model/ColorConversions.h"

void CColorBar::OnPaint()
{
    const CPaintDC dc(m_hWnd);
    const RECT client = GetClientRect();
    const int width = client.right;
    // Column x shows hue x / width: red at the left edge, and the right edge
    // stops just short of red again.
    for (int x = 0; x < width; ++x) {
        int r = 0, g = 0, b = 0;
        HsvToRgb(static_cast<float>(static_cast<double>(x) / width), 1.0f, 1.0f, r, g, b);
        FillSolid(dc.Get(), RECT{x, 0, x + 1, client.bottom}, PackColorRef(r, g, b));
    }
}

#include "color/TimeBar.h"

#include "color/TimeCtrl.h"
#include "framework/DibPixels.h"
#include "framework/GdiHandles.h"
#include "framework/SolidFill.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

void PaintPerColumn(HDC dc, const CTimeBlend& blend, int height)
{
    for (int x = 0; x < blend.GetWidth(); ++x)
        FillSolid(dc, RECT{x, 0, x + 1, height}, blend.Column(x));
}

void PaintFromBuffer(HDC dc, const CTimeBlend& blend, int height)
{
    const int width = blend.GetWidth();
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    blend.ComputeRow(pixels.data());
    for (int y = 1; y < height; ++y)
        std::copy_n(pixels.begin(), width, pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
    DrawTopDownPixels(dc, width, height, pixels.data());
}

} // namespace

void CTimeBar::Paint(HDC dc, const CTimeBlend& blend, int height, Painting way)
{
    if (blend.GetWidth() <= 0 || height <= 0)
        return;
    if (way == Painting::kPerColumn)
        PaintPerColumn(dc, blend, height);
    else
        PaintFromBuffer(dc, blend, height);
}

void CTimeBar::OnPaint()
{
    const CPaintDC dc(m_hWnd);
    const RECT client = GetClientRect();
    const auto* owner = dynamic_cast<const CTimeCtrl*>(CWnd::FromHandle(GetParent()));
    // Without colours the bar shows the dialog face, as an empty control.
    if (!owner || !owner->GetStartColor() || !owner->GetEndColor()) {
        ::FillRect(dc.Get(), &client, ::GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    const CTimeBlend blend(*owner->GetStartColor(), *owner->GetEndColor(), client.right);
    const bool palette = IsPaletteDepth(::GetDeviceCaps(dc.Get(), BITSPIXEL));
    Paint(dc.Get(), blend, client.bottom, palette ? Painting::kPerColumn : Painting::kOneBuffer);
}

#include "color/TimeBar.h"

#include "color/TimeCtrl.h"
#include "framework/GdiHandles.h"
#include "framework/SolidFill.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

const int kPaletteDepth = 8;
const WORD kBufferDepth = 32;

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
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kBufferDepth;
    info.bmiHeader.biCompression = BI_RGB;
    ::SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                        static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
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
    const bool palette = ::GetDeviceCaps(dc.Get(), BITSPIXEL) <= kPaletteDepth;
    Paint(dc.Get(), blend, client.bottom, palette ? Painting::kPerColumn : Painting::kOneBuffer);
}

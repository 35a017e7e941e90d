// The time bar painted from one buffer shows exactly the pixels of one brush
// per column on the displays that take the buffer; without colours it shows
// the dialog face.
#include "color/TimeCtrl.h"
#include "tests/color/ColorTestWindows.h"

#include <gtest/gtest.h>

using namespace colortest;

namespace {

// A device-independent canvas of the given depth with a blend painted on it.
COLORREF PaintedOnCanvas(WORD depth, const CTimeBlend& blend, CTimeBar::Painting way, int x)
{
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(info.bmiHeader), blend.GetWidth(), -10, 1, depth, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const CBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const CMemoryDC dc(nullptr);
    const CSelection selected(dc.Get(), bitmap.Get());
    CTimeBar::Paint(dc.Get(), blend, 10, way);
    return ::GetPixel(dc.Get(), x, 9);
}

TEST(TimeBarTest, OneBufferShowsThePixelsOfOneBrushPerColumnAndNoColoursTheFace)
{
    for (WORD depth : {32, 24, 16}) {
        const CTimeBlend blend({0, 100, 100}, {215, 60, 40}, 208);
        int mismatches = 0;
        for (int x = 0; x < 208; ++x)
            mismatches += PaintedOnCanvas(depth, blend, CTimeBar::Painting::kPerColumn, x)
                          != PaintedOnCanvas(depth, blend, CTimeBar::Painting::kOneBuffer, x);
        EXPECT_EQ(mismatches, 0) << depth << " bits";
    }
    HostWindow host;
    CTimeCtrl control;
    ASSERT_TRUE(CreateChild(control, host, RECT{0, 0, 238, 60}, 4098));
    HWND bar = control.GetDlgItem(CTimeCtrl::kTimeBarId);
    ::UpdateWindow(bar);
    EXPECT_EQ(PixelOf(bar, 100, 4), ::GetSysColor(COLOR_BTNFACE));
}

} // namespace

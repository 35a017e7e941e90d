// The time control: where its bar goes, what a control without colours or
// too narrow shows, and the bar painted from one buffer showing exactly the
// pixels of one brush per column on the displays that take the buffer.
#include "color/TimeCtrl.h"
#include "tests/color/ColorTestWindows.h"

#include <gtest/gtest.h>

#include <memory>

using namespace colortest;

namespace {

// A device-independent canvas of the given depth, filled white.
struct Canvas {
    Canvas(int width, int height, WORD depth)
    {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(info.bmiHeader), width, -height, 1, depth, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        selected = std::make_unique<CSelection>(dc.Get(), bitmap.Get());
        const RECT all = {0, 0, width, height};
        ::FillRect(dc.Get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    }
    CMemoryDC dc{nullptr};
    CBitmap bitmap;
    std::unique_ptr<CSelection> selected;
};

TEST(TimeBarTest, OneBufferShowsThePixelsOfOneBrushPerColumn)
{
    for (WORD depth : {32, 24, 16}) {
        for (int width : {208, 31}) {
            const CTimeBlend blend({0, 100, 100}, {215, 60, 40}, width);
            Canvas columns(width, 10, depth), buffer(width, 10, depth);
            CTimeBar::Paint(columns.dc.Get(), blend, 10, CTimeBar::Painting::kPerColumn);
            CTimeBar::Paint(buffer.dc.Get(), blend, 10, CTimeBar::Painting::kOneBuffer);
            int mismatches = 0;
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < width; ++x)
                    mismatches += ::GetPixel(columns.dc.Get(), x, y) != ::GetPixel(buffer.dc.Get(), x, y);
            EXPECT_EQ(mismatches, 0) << depth << " bits, width " << width;
        }
    }
}

TEST(TimeCtrlTest, TheBarSitsUnderTheCaptionsAndShowsTheFaceWithoutColours)
{
    HostWindow host;
    HsbColor start = {0, 100, 100}, end = {240, 100, 100};
    const struct {
        int width;
        bool colours;
        RECT bar;
    } cases[] = {{238, true, {15, 33, 223, 43}}, {238, false, {15, 33, 223, 43}}, {29, true, {15, 33, 15, 43}}};
    for (const auto& c : cases) {
        CTimeCtrl control;
        if (c.colours)
            control.SetColors(&start, &end);
        ASSERT_TRUE(CreateChild(control, host, RECT{0, 0, c.width, 60}, 4098));
        HWND bar = control.GetDlgItem(CTimeCtrl::kTimeBarId);
        EXPECT_TRUE(Same(RectInParent(bar), c.bar)) << c.width;
        ::UpdateWindow(bar);
        const COLORREF left = c.colours ? RGB(255, 0, 0) : ::GetSysColor(COLOR_BTNFACE);
        if (c.bar.right > c.bar.left) {
            EXPECT_EQ(PixelOf(bar, 0, 4), left) << c.width << (c.colours ? "" : ", no colours");
        }
    }
}

} // namespace

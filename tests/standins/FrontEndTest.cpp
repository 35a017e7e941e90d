// The front-end stand-in's business screen, painted in the colours given
// (its session window and command line are seen from the module's tests).
#include "frontend/BusinessScreen.h"
#include "framework/GdiHandles.h"

#include <gtest/gtest.h>

namespace {

TEST(BusinessScreen, PaintsEachPartInItsColorOfTheList)
{
    SessionColors colors;
    for (int i = 0; i < 23; ++i)
        colors[i] = RGB(10 * i, 255 - 10 * i, 7 * i);
    const RECT area = {0, 0, 640, 400};
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 640, 400, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    CBitmap surface(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    CMemoryDC dc(nullptr);
    CSelection selected(dc.Get(), surface.Get());
    PaintBusinessScreen(dc.Get(), area, colors);

    const auto pixel = [&](int x, int y) { return ::GetPixel(dc.Get(), x, y); };
    const RECT title = TitleRect(area);
    const RECT toolbar = ToolbarRect(area);
    EXPECT_EQ(pixel(2, 2), colors[kDesktopColor]);
    EXPECT_EQ(pixel(title.right - 3, title.top + 3), colors[kTextColor]);
    EXPECT_EQ(pixel(toolbar.left + 2, toolbar.top + 2), colors[kToolbarColor]);
    EXPECT_EQ(pixel(toolbar.right - 3, toolbar.bottom - 3), colors[kToolbarColor]);
    EXPECT_EQ(pixel(toolbar.left + 10, (toolbar.top + toolbar.bottom) / 2 + 8), colors[kFieldColor])
        << "a toolbar button";
    EXPECT_EQ(pixel(area.right - 30, area.bottom - 30), colors[kWindowColor]) << "the form below the table";
}

} // namespace

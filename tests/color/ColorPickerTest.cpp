// The saturation/brightness field: its pixels on every kind of display, what
// a click picks, the marker, and tracking with capture and confinement.
#include "color/ColorChanged.h"
#include "color/ColorField.h"
#include "color/ColorPicker.h"
#include "color/FieldPainter.h"
#include "tests/color/ColorTestWindows.h"

#include <gtest/gtest.h>

using namespace colortest;

namespace {

const int kSize = 80;

// The colour the per-pixel ways paint at x, y: top row full brightness.
COLORREF PerPixelColor(int hue, int x, int y, int width, int height)
{
    return FieldColor(FieldHue(hue), x, y, width, height, FieldRows::kTopIsFull);
}

// A field on a host, created as the picker dialog creates it.
struct FieldOnHost {
    explicit FieldOnHost(HsbColor start, int width = kSize, int height = kSize)
        : color(start)
    {
        field.SetColor(&color);
        created = field.Create(CWnd::DefaultClassName(), "", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                               RECT{20, 20, 20 + width, 20 + height}, &host, 4097);
        PumpMessages();
    }
    HWND Hwnd() const { return field.GetSafeHwnd(); }
    COLORREF Shows(int x, int y) const { return PixelOf(Hwnd(), x, y); }
    // True when every pixel of the rectangle shows the bare field.
    bool ShowsBareField(const RECT& rect) const
    {
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                if (Shows(x, y) != PerPixelColor(color.hue, x, y, kSize, kSize))
                    return false;
            }
        }
        return true;
    }
    RECT ScreenRect() const
    {
        RECT rect = field.GetClientRect();
        ::MapWindowPoints(Hwnd(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    HsbColor color;
    HostWindow host;
    CColorPicker field;
    BOOL created = FALSE;
};

RECT CursorClip()
{
    RECT clip = {};
    ::GetClipCursor(&clip);
    return clip;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

TEST(FieldPainterTest, DeepDisplaysShowExactlyThePerPixelColours)
{
    // 32 and 16 bits: the pixels the per-pixel ways give, top row at full
    // brightness (16 bits: as the per-pixel way's colours look there).
    for (WORD depth : {32, 16}) {
        for (int hue : {0, 45, 120, 200, 359}) {
            Canvas painted(kSize, 60, depth);
            CFieldPainter painter;
            painter.Draw(painted.Dc(), kSize, 60, hue, depth);
            Canvas reference(kSize, 60, depth);
            int mismatches = 0;
            for (int y = 0; y < 60; ++y) {
                for (int x = 0; x < kSize; ++x) {
                    ::SetPixel(reference.Dc(), x, y, PerPixelColor(hue, x, y, kSize, 60));
                    if (painted.PixelAt(x, y) != reference.PixelAt(x, y))
                        ++mismatches;
                }
            }
            EXPECT_EQ(mismatches, 0) << depth << " bits, hue " << hue;
        }
    }
}

TEST(FieldPainterTest, TwentyFourBitDisplaysKeepTheirBufferRows)
{
    Canvas canvas(kSize, kSize, 24);
    CFieldPainter painter;
    painter.Draw(canvas.Dc(), kSize, kSize, 300, 24);
    int mismatches = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (canvas.PixelAt(x, y)
                != FieldColor(FieldHue(300), x, y, kSize, kSize, FieldRows::kBottomIsBlack))
                ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(canvas.PixelAt(40, kSize - 1), RGB(0, 0, 0)) << "the bottom row is black";
    EXPECT_NE(canvas.PixelAt(0, 0), RGB(255, 255, 255)) << "the top row is a step below white";
}

TEST(FieldPainterTest, PaletteDisplaysGetTheNearestPaletteColourOfEveryPixel)
{
    Canvas canvas(40, 30, 8);
    CFieldPainter painter;
    painter.Draw(canvas.Dc(), 40, 30, 200, 8);
    int mismatches = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const COLORREF nearest = ::GetNearestColor(canvas.Dc(), PerPixelColor(200, x, y, 40, 30));
            if (canvas.PixelAt(x, y) != nearest)
                ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(painter.GetComputeCount(), 0u) << "palette displays are painted afresh each time";
}

TEST(FieldPainterTest, ComputesAgainOnlyForANewHueSizeOrDisplay)
{
    Canvas canvas(100, 100, 32);
    CFieldPainter painter;
    painter.Draw(canvas.Dc(), kSize, kSize, 10, 32);
    painter.Draw(canvas.Dc(), kSize, kSize, 10, 32);
    EXPECT_EQ(painter.GetComputeCount(), 1u);
    painter.Draw(canvas.Dc(), kSize, kSize, 11, 32);
    painter.Draw(canvas.Dc(), 90, kSize, 11, 32);
    painter.Draw(canvas.Dc(), 90, kSize, 11, 24);
    EXPECT_EQ(painter.GetComputeCount(), 4u);
    painter.Draw(canvas.Dc(), 0, kSize, 11, 32);
    painter.Draw(canvas.Dc(), kSize, -5, 11, 32);
    EXPECT_EQ(painter.GetComputeCount(), 4u) << "an empty field paints nothing";
    // What it shows after all the changes is the last field, exactly.
    EXPECT_EQ(canvas.PixelAt(89, 0), FieldColor(FieldHue(11), 89, 0, 90, kSize, FieldRows::kBottomIsBlack));
}

TEST(ColorPickerTest, ShowsTheFieldOfTheHueWithTheMarkerAtTheColour)
{
    FieldOnHost f({120, 50, 75});
    ASSERT_TRUE(f.created);
    EXPECT_EQ(f.Shows(0, 0), RGB(255, 255, 255)) << "top left: no saturation, full brightness";
    EXPECT_EQ(f.Shows(79, 0), RGB(3, 255, 3)) << "top right: saturation 79/80";
    EXPECT_EQ(f.Shows(0, 79), PerPixelColor(120, 0, 79, kSize, kSize));
    // Everything but the marker is the field, exactly; the marker is white
    // and lies within (38, 18) to (44, 24).
    const RECT marker = {38, 18, 44, 24};
    int markerPixels = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const POINT point = {x, y};
            const COLORREF shown = f.Shows(x, y);
            if (shown == PerPixelColor(120, x, y, kSize, kSize))
                continue;
            EXPECT_TRUE(::PtInRect(&marker, point)) << "stray pixel at " << x << "," << y;
            EXPECT_EQ(shown, RGB(255, 255, 255));
            ++markerPixels;
        }
    }
    EXPECT_GT(markerPixels, 8);
    EXPECT_NE(f.Shows(38, 20), PerPixelColor(120, 38, 20, kSize, kSize)) << "left edge of the circle";
    EXPECT_NE(f.Shows(43, 20), PerPixelColor(120, 43, 20, kSize, kSize)) << "right edge of the circle";
}

TEST(ColorPickerTest, AClickPicksTruncatedSaturationAndBrightness)
{
    struct Case {
        int x, y, saturation, brightness;
    };
    const Case cases[] = {{40, 20, 50, 75}, {0, 0, 0, 100}, {79, 79, 98, 2}, {79, 0, 98, 100},
                          {0, 79, 0, 2},    {1, 1, 1, 99}};
    for (const Case& test : cases) {
        FieldOnHost f({77, 33, 44});
        ASSERT_TRUE(f.created);
        SendMouse(f.Hwnd(), WM_LBUTTONDOWN, test.x, test.y);
        SendMouse(f.Hwnd(), WM_LBUTTONUP, test.x, test.y);
        EXPECT_EQ(f.color, (HsbColor{77, test.saturation, test.brightness})) << test.x << "," << test.y;
        PumpMessages();
        ASSERT_EQ(f.host.colorChanges.size(), 1u);
        EXPECT_EQ(f.host.colorChanges[0], &f.field);
    }
}

TEST(ColorPickerTest, PointsOutsideTheFieldPickNothing)
{
    FieldOnHost f({77, 33, 44});
    ASSERT_TRUE(f.created);
    SendMouse(f.Hwnd(), WM_LBUTTONDOWN, 10, 10);
    PumpMessages();
    f.host.colorChanges.clear();
    for (POINT outside : {POINT{80, 10}, POINT{10, 80}, POINT{-1, 10}, POINT{10, -3}}) {
        SendMouse(f.Hwnd(), WM_MOUSEMOVE, outside.x, outside.y);
        EXPECT_EQ(f.color, (HsbColor{77, 12, 88}));
    }
    SendMouse(f.Hwnd(), WM_LBUTTONUP, 90, 90);
    PumpMessages();
    EXPECT_TRUE(f.host.colorChanges.empty());
}

TEST(ColorPickerTest, DraggingPicksAtEveryMoveWithTheMarkerHidden)
{
    FieldOnHost f({240, 0, 100});
    ASSERT_TRUE(f.created);
    const unsigned computedBefore = f.field.GetFieldComputeCount();
    SendMouse(f.Hwnd(), WM_LBUTTONDOWN, 40, 20);
    EXPECT_EQ(::GetCapture(), f.Hwnd());
    EXPECT_TRUE(SameRect(CursorClip(), f.ScreenRect())) << "the cursor is held inside the field";
    EXPECT_TRUE(f.ShowsBareField(RECT{0, 0, kSize, kSize})) << "no marker while the button is held";

    SendMouse(f.Hwnd(), WM_MOUSEMOVE, 60, 40);
    EXPECT_EQ(f.color, (HsbColor{240, 75, 50}));
    SendMouse(f.Hwnd(), WM_MOUSEMOVE, 20, 60);
    EXPECT_EQ(f.color, (HsbColor{240, 25, 25}));
    EXPECT_TRUE(f.ShowsBareField(RECT{0, 0, kSize, kSize}));
    EXPECT_EQ(f.field.GetFieldComputeCount(), computedBefore) << "the same hue is not computed again";

    SendMouse(f.Hwnd(), WM_LBUTTONUP, 20, 60);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_FALSE(SameRect(CursorClip(), f.ScreenRect())) << "the cursor is free again";
    EXPECT_FALSE(f.ShowsBareField(RECT{18, 58, 24, 64})) << "the marker is back at the colour";
    PumpMessages();
    EXPECT_EQ(f.host.colorChanges.size(), 3u);

    SendMouse(f.Hwnd(), WM_MOUSEMOVE, 70, 70);
    EXPECT_EQ(f.color, (HsbColor{240, 25, 25})) << "moves without the button pick nothing";
}

TEST(ColorPickerTest, LosingTheCaptureEndsTrackingAndFreesTheCursor)
{
    // Another window takes the capture, or the system cancels the mode:
    // either way there is no button-up.
    for (bool cancelMode : {false, true}) {
        FieldOnHost f({10, 20, 30});
        ASSERT_TRUE(f.created);
        SendMouse(f.Hwnd(), WM_LBUTTONDOWN, 40, 20);
        ASSERT_EQ(::GetCapture(), f.Hwnd());
        if (cancelMode)
            ::SendMessageA(f.Hwnd(), WM_CANCELMODE, 0, 0);
        else
            ::SetCapture(f.host.GetSafeHwnd());
        EXPECT_NE(::GetCapture(), f.Hwnd());
        EXPECT_FALSE(SameRect(CursorClip(), f.ScreenRect())) << (cancelMode ? "cancel mode" : "capture taken");
        EXPECT_FALSE(f.ShowsBareField(RECT{38, 18, 44, 24})) << "the marker is back";
        SendMouse(f.Hwnd(), WM_MOUSEMOVE, 70, 70);
        EXPECT_EQ(f.color, (HsbColor{10, 50, 75})) << "no longer tracking";
        ::ReleaseCapture();
    }
}

TEST(ColorPickerTest, ShowsTheCrossHairCursor)
{
    FieldOnHost f({10, 20, 30});
    ASSERT_TRUE(f.created);
    ::SetCursor(nullptr);
    EXPECT_TRUE(::SendMessageA(f.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(f.Hwnd()),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32515)));
}

TEST(ColorPickerTest, AColourFarOutOfRangeIsDrawnWithoutHarm)
{
    FieldOnHost f({-400, 2000000000, -2000000000});
    ASSERT_TRUE(f.created);
    // The hue wraps as the conversions wrap it; the marker lies off the field.
    EXPECT_EQ(f.Shows(10, 10), PerPixelColor(-400, 10, 10, kSize, kSize));
}

} // namespace

// The saturation/brightness field: its pixels on every kind of display, what
// a click picks, the marker, and tracking with capture and confinement.
#include "color/ColorField.h"
#include "color/ColorPicker.h"
#include "color/FieldPainter.h"
#include "tests/color/ColorTestWindows.h"

#include <gtest/gtest.h>

using namespace colortest;

namespace {

const int kSize = 80;
const RECT kMarkerAt50And75 = {38, 18, 44, 24};
const RECT kNoMarker = {};

// The colour the per-pixel ways paint at x, y: top row full brightness.
COLORREF PerPixelColor(int hue, int x, int y, int width = kSize, int height = kSize)
{
    return FieldColor(FieldHue(hue), x, y, width, height, FieldRows::kTopIsFull);
}

// A field on a host, created as the picker dialog creates it.
struct FieldOnHost {
    explicit FieldOnHost(HsbColor start)
        : color(start)
    {
        field.SetColor(&color);
        created = CreateChild(field, host, RECT{20, 20, 20 + kSize, 20 + kSize}, 4097);
        PumpMessages();
    }
    HWND Hwnd() const { return field.GetSafeHwnd(); }
    // The bounds of what is drawn over the bare field: the white marker only.
    RECT MarkerDrawn() const
    {
        RECT drawn = {};
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                const COLORREF shown = PixelOf(Hwnd(), x, y);
                if (shown == PerPixelColor(color.hue, x, y))
                    continue;
                EXPECT_EQ(shown, RGB(255, 255, 255)) << "at " << x << "," << y;
                const RECT pixel = {x, y, x + 1, y + 1};
                ::UnionRect(&drawn, &drawn, &pixel);
            }
        }
        return drawn;
    }
    bool CursorConfined() const
    {
        RECT clip = {}, inside = {0, 0, kSize, kSize};
        ::GetClipCursor(&clip);
        ::MapWindowPoints(Hwnd(), nullptr, reinterpret_cast<POINT*>(&inside), 2);
        return ::EqualRect(&clip, &inside) != FALSE;
    }

    HsbColor color;
    HostWindow host;
    CColorPicker field;
    BOOL created = FALSE;
};

bool Same(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

// One painter for every case, so that a field kept from the case before
// would show.
TEST(FieldPainterTest, EveryDisplayShowsExactlyTheFieldOfItsWay)
{
    // 24 bits keep the rows of their buffer way; 32 and 16 bits show the
    // per-pixel colours (as 16 bits show them); 8 bits the nearest palette entry.
    CFieldPainter painter;
    for (int hue : {0, 200, 359}) {
        for (SIZE size : {SIZE{kSize, 60}, SIZE{31, 17}}) {
            for (WORD depth : {32, 24, 16, 8}) {
                const FieldRows rows = depth == 24 ? FieldRows::kBottomIsBlack : FieldRows::kTopIsFull;
                Canvas painted(size.cx, size.cy, depth), expected(size.cx, size.cy, depth);
                painter.Draw(painted.Dc(), size.cx, size.cy, hue, depth);
                int mismatches = 0;
                for (int y = 0; y < size.cy; ++y) {
                    for (int x = 0; x < size.cx; ++x) {
                        ::SetPixel(expected.Dc(), x, y, FieldColor(FieldHue(hue), x, y, size.cx, size.cy, rows));
                        mismatches += painted.PixelAt(x, y) != expected.PixelAt(x, y);
                    }
                }
                EXPECT_EQ(mismatches, 0) << depth << " bits, hue " << hue << ", width " << size.cx;
            }
        }
    }
    // A repaint of the same field, or of an empty one, computes nothing.
    const unsigned computed = painter.GetComputeCount();
    Canvas canvas(31, 17, 32);
    painter.Draw(canvas.Dc(), 31, 17, 359, 32);
    painter.Draw(canvas.Dc(), 0, 17, 359, 32);
    painter.Draw(canvas.Dc(), 31, -5, 359, 32);
    EXPECT_EQ(painter.GetComputeCount(), computed);
}

TEST(ColorPickerTest, ShowsTheFieldTheMarkerAndTheCrossHair)
{
    FieldOnHost f({120, 50, 75});
    ASSERT_TRUE(f.created);
    EXPECT_TRUE(Same(f.MarkerDrawn(), kMarkerAt50And75));
    ::SetCursor(nullptr);
    EXPECT_TRUE(::SendMessageA(f.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(f.Hwnd()),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32515)));

    FieldOnHost wild({-400, 2000000000, -2000000000});
    EXPECT_TRUE(Same(wild.MarkerDrawn(), kNoMarker)) << "the hue wraps, the marker lies off the field";
}

TEST(ColorPickerTest, AClickPicksTruncatedSaturationAndBrightness)
{
    const struct {
        int x, y, saturation, brightness;
    } cases[] = {{40, 20, 50, 75}, {0, 0, 0, 100}, {79, 79, 98, 2}, {79, 0, 98, 100}, {0, 79, 0, 2}};
    FieldOnHost f({77, 33, 44});
    ASSERT_TRUE(f.created);
    for (const auto& test : cases) {
        f.host.colorChanges.clear();
        Click(f.Hwnd(), test.x, test.y);
        PumpMessages();
        EXPECT_EQ(f.color, (HsbColor{77, test.saturation, test.brightness})) << test.x << "," << test.y;
        EXPECT_EQ(f.host.colorChanges, std::vector<CWnd*>{&f.field});
    }
}

TEST(ColorPickerTest, DraggingPicksAtEveryMoveInsideWithTheMarkerHiddenAndTheCursorHeld)
{
    FieldOnHost f({240, 0, 100});
    ASSERT_TRUE(f.created);
    const unsigned computed = f.field.GetFieldComputeCount();
    SendMouse(f.Hwnd(), WM_LBUTTONDOWN, 40, 20);
    EXPECT_EQ(::GetCapture(), f.Hwnd());
    EXPECT_TRUE(f.CursorConfined());
    SendMouse(f.Hwnd(), WM_MOUSEMOVE, 60, 40);
    EXPECT_EQ(f.color, (HsbColor{240, 75, 50}));
    for (POINT outside : {POINT{80, 10}, POINT{10, 80}, POINT{-1, 10}, POINT{10, -3}}) {
        SendMouse(f.Hwnd(), WM_MOUSEMOVE, outside.x, outside.y);
        EXPECT_EQ(f.color, (HsbColor{240, 75, 50})) << outside.x << "," << outside.y;
    }
    SendMouse(f.Hwnd(), WM_MOUSEMOVE, 20, 60);
    EXPECT_EQ(f.color, (HsbColor{240, 25, 25}));
    EXPECT_TRUE(Same(f.MarkerDrawn(), kNoMarker)) << "hidden while the button is held";
    EXPECT_EQ(f.field.GetFieldComputeCount(), computed) << "the same hue is not computed again";

    SendMouse(f.Hwnd(), WM_LBUTTONUP, 20, 60);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_FALSE(f.CursorConfined());
    EXPECT_TRUE(Same(f.MarkerDrawn(), RECT{18, 58, 24, 64}));
    PumpMessages();
    EXPECT_EQ(f.host.colorChanges.size(), 3u);
    SendMouse(f.Hwnd(), WM_MOUSEMOVE, 70, 70);
    EXPECT_EQ(f.color, (HsbColor{240, 25, 25})) << "moves without the button pick nothing";
}

TEST(ColorPickerTest, LosingTheCaptureWithoutAButtonUpEndsTrackingAndFreesTheCursor)
{
    for (bool cancelMode : {false, true}) {
        FieldOnHost f({10, 20, 30});
        ASSERT_TRUE(f.created);
        SendMouse(f.Hwnd(), WM_LBUTTONDOWN, 40, 20);
        ASSERT_EQ(::GetCapture(), f.Hwnd());
        if (cancelMode)
            ::SendMessageA(f.Hwnd(), WM_CANCELMODE, 0, 0);
        else
            ::SetCapture(f.host.GetSafeHwnd());  // another window takes it
        EXPECT_NE(::GetCapture(), f.Hwnd());
        EXPECT_FALSE(f.CursorConfined()) << (cancelMode ? "cancel mode" : "capture taken");
        EXPECT_TRUE(Same(f.MarkerDrawn(), kMarkerAt50And75)) << "the marker is back";
        SendMouse(f.Hwnd(), WM_MOUSEMOVE, 70, 70);
        EXPECT_EQ(f.color, (HsbColor{10, 50, 75})) << "no longer tracking";
        ::ReleaseCapture();
    }
}

} // namespace

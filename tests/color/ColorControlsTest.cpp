// The hue strip, the colour control and the saturation/brightness field:
// what they show on every kind of display, where the control puts its parts,
// what its scroll bar and a click or drag on the field pick, and the field's
// capture and cursor confinement.
#include "color/ColorBar.h"
#include "color/FieldPainter.h"
#include "tests/color/ColorTestWindows.h"

#include <gtest/gtest.h>

#include <string>

using namespace colortest;

namespace {

const RECT kMarkerAt50And75 = {38, 18, 44, 24};

TEST(ColorBarTest, ShowsTheHueCircleFromLeftToRight)
{
    HostWindow host;
    CColorBar bar;
    ASSERT_TRUE(CreateChild(bar, host, RECT{0, 0, 360, 20}, 4098));
    ::UpdateWindow(bar.GetSafeHwnd());
    EXPECT_EQ(PixelOf(bar.GetSafeHwnd(), 0, 10), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(bar.GetSafeHwnd(), 120, 10), RGB(0, 255, 0));
    EXPECT_EQ(PixelOf(bar.GetSafeHwnd(), 240, 19), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(bar.GetSafeHwnd(), 359, 0), RGB(255, 0, 4)) << "stops just short of red";
}

// The parts lie at fixed offsets from the caption's height h.
TEST(ColorCtrlTest, PlacesItsPartsByTheParentsCaptionHeightAndTheWidth)
{
    const CGdiObject<HFONT> font(::CreateFontA(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    Controls c({0, 100, 100}, font.Get());
    SIZE label = {};
    {
        const CClientDC dc(nullptr);
        const CSelection selected(dc.Get(), font.Get());
        ::GetTextExtentPoint32A(dc.Get(), "Foreground Color:", 17, &label);
    }
    const int h = label.cy;
    EXPECT_TRUE(Same(RectInParent(c.Part(CColorCtrl::kColorBoxId)), RECT{151, 6, 201, 6 + h}));
    EXPECT_TRUE(Same(RectInParent(c.Part(CColorCtrl::kScrollBarId)), RECT{5, h + 10, 201, h + 25}));
    EXPECT_TRUE(Same(RectInParent(c.Part(CColorCtrl::kColorBarId)), RECT{47, h + 37, 159, h + 50}));
    EXPECT_EQ(PixelOf(c.control.GetSafeHwnd(), 0, 30), RGB(0, 0, 0)) << "the frame";
    EXPECT_EQ(PixelOf(c.control.GetSafeHwnd(), 205, 69), RGB(0, 0, 0));
}

TEST(ColorCtrlTest, ScrollCodesMoveOnlyTheHueStopAtTheEndsAndPostOnceEach)
{
    const struct {
        int start;
        UINT code;
        int thumb, expected;
    } cases[] = {
        {0, SB_LINELEFT, 0, 0},         {100, SB_LINELEFT, 0, 98},        {358, SB_LINERIGHT, 0, 359},
        {100, SB_LINERIGHT, 0, 102},    {5, SB_PAGELEFT, 0, 0},           {100, SB_PAGELEFT, 0, 90},
        {355, SB_PAGERIGHT, 0, 359},    {100, SB_PAGERIGHT, 0, 110},      {100, SB_THUMBPOSITION, 7, 7},
        {100, SB_THUMBTRACK, 120, 120}, {120, SB_THUMBTRACK, 121, 121},   {100, SB_LEFT, 0, 0},
        {100, SB_RIGHT, 0, 359},        {100, SB_ENDSCROLL, 0, 100},
    };
    Controls c({0, 80, 90});
    HWND scrollBar = c.Part(CColorCtrl::kScrollBarId);
    for (const auto& test : cases) {
        c.color.hue = test.start;
        c.control.UpdateFromColor();  // the owner's change: the control follows and posts nothing
        c.control.SendMessage(WM_HSCROLL, MAKEWPARAM(test.code, test.thumb), reinterpret_cast<LPARAM>(scrollBar));
        EXPECT_EQ(::GetScrollPos(scrollBar, SB_CTL), test.expected) << "code " << test.code << " from " << test.start;
        EXPECT_EQ(c.color, (HsbColor{test.expected, 80, 90}));
        EXPECT_EQ(c.BoxShows(), HsbToColorRef(c.color)) << "redrawn before the queue is handled";
        EXPECT_EQ(c.Posted(), test.code == SB_ENDSCROLL ? Senders{} : Senders{&c.control});
    }
}

// A device-independent bitmap of a given depth in a memory context. 8 bits
// get a table of 256 assorted colours that no field colour hits exactly.
struct Canvas {
    Canvas(int width, int height, WORD depth)
        : bitmap(Create(width, height, depth)), selection(dc.Get(), bitmap.Get())
    {
    }
    static HBITMAP Create(int width, int height, WORD depth)
    {
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colors[256];
        } info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, depth, BI_RGB, 0, 0, 0, 0, 0}, {}};
        for (int i = 0; i < 256; ++i)
            info.colors[i] = RGBQUAD{BYTE((i & 3) * 85), BYTE(((i >> 2) & 7) * 36), BYTE((i >> 5) * 36), 0};
        void* bits = nullptr;
        return ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    }
    COLORREF PixelAt(int x, int y) const { return ::GetPixel(dc.Get(), x, y); }

    CMemoryDC dc{nullptr};
    CBitmap bitmap;
    CSelection selection;
};

// One painter for every case, so that a field kept from the case before
// would show.
TEST(FieldPainterTest, EveryDisplayShowsExactlyTheFieldOfItsWay)
{
    // 24 bits keep the rows of their buffer way; 32 and 16 bits show the
    // per-pixel colours (as 16 bits show them); 8 bits the nearest palette entry.
    CFieldPainter painter;
    for (int hue : {0, 200, 359}) {
        for (SIZE size : {SIZE{80, 60}, SIZE{31, 17}}) {
            for (WORD depth : {32, 24, 16, 8}) {
                const FieldRows rows = depth == 24 ? FieldRows::kBottomIsBlack : FieldRows::kTopIsFull;
                const Canvas canvas(size.cx, size.cy, depth);
                painter.Draw(canvas.dc.Get(), size.cx, size.cy, hue, depth);
                int mismatches = 0;
                for (int y = 0; y < size.cy; ++y) {
                    for (int x = 0; x < size.cx; ++x) {
                        // What the canvas makes of the exact colour, set in place of the painted pixel.
                        const COLORREF painted = canvas.PixelAt(x, y);
                        ::SetPixel(canvas.dc.Get(), x, y, FieldColor(FieldHue(hue), x, y, size.cx, size.cy, rows));
                        mismatches += canvas.PixelAt(x, y) != painted;
                    }
                }
                EXPECT_EQ(mismatches, 0) << depth << " bits, hue " << hue << ", width " << size.cx;
            }
        }
    }
}

TEST(ColorPickerTest, AClickPicksTruncatedAndTheMarkerShowsThePickUnderTheCrossHair)
{
    const struct {
        int x, y, saturation, brightness;
    } cases[] = {{0, 0, 0, 100}, {79, 79, 98, 2}, {79, 0, 98, 100}, {0, 79, 0, 2}, {40, 20, 50, 75}};
    Controls c({77, 33, 44});
    for (const auto& test : cases) {
        SendMouse(c.Field(), WM_LBUTTONDOWN, test.x, test.y);
        SendMouse(c.Field(), WM_LBUTTONUP, test.x, test.y);
        EXPECT_EQ(c.color, (HsbColor{77, test.saturation, test.brightness})) << test.x << "," << test.y;
        EXPECT_EQ(c.Posted(), Senders{&c.field});
    }
    EXPECT_TRUE(Same(c.MarkerDrawn(), kMarkerAt50And75));
    ::SetCursor(nullptr);
    EXPECT_TRUE(::SendMessageA(c.Field(), WM_SETCURSOR, reinterpret_cast<WPARAM>(c.Field()),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32515)));

    Controls wild({-400, 2000000000, -2000000000});
    EXPECT_TRUE(Same(wild.MarkerDrawn(), RECT{})) << "the hue wraps, the marker lies off the field";
}

// Tracking ends with the button-up, and also when the capture goes without
// one (another window takes it, the system cancels modes): the cursor must
// not stay trapped in the field. The second press of a double-click picks and
// tracks like any press.
TEST(ColorPickerTest, DraggingPicksInsideWithTheMarkerHiddenAndTheCursorHeldUntilTheCaptureEnds)
{
    const struct {
        const char* end;
        bool secondClick;  // a second quick click arrives as a double-click
    } cases[] = {{"button up", false}, {"button up", true}, {"capture taken", false}, {"cancel mode", true}};
    for (const auto& [end, secondClick] : cases) {
        Controls c({240, 0, 100});
        const unsigned computed = c.field.GetFieldComputeCount();
        if (secondClick) {
            SendMouse(c.Field(), WM_LBUTTONDOWN, 10, 10);
            SendMouse(c.Field(), WM_LBUTTONUP, 10, 10);
            c.Posted();
        }
        SendMouse(c.Field(), secondClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, 40, 20);
        EXPECT_EQ(::GetCapture(), c.Field());
        EXPECT_TRUE(c.CursorHeldInField());
        for (POINT move : {POINT{60, 40}, POINT{80, 10}, POINT{10, 80}, POINT{-1, 10}, POINT{10, -3}}) {
            SendMouse(c.Field(), WM_MOUSEMOVE, move.x, move.y);
            EXPECT_EQ(c.color, (HsbColor{240, 75, 50})) << "moved to " << move.x << "," << move.y;
        }
        EXPECT_TRUE(Same(c.MarkerDrawn(), RECT{})) << "hidden while the button is held";
        EXPECT_EQ(c.field.GetFieldComputeCount(), computed) << "the same hue is not computed again";
        EXPECT_EQ(c.Posted().size(), 2u);

        if (end == std::string("button up"))
            SendMouse(c.Field(), WM_LBUTTONUP, 60, 40);
        else if (end == std::string("capture taken"))
            ::SetCapture(c.host.GetSafeHwnd());
        else
            ::SendMessageA(c.Field(), WM_CANCELMODE, 0, 0);
        EXPECT_NE(::GetCapture(), c.Field()) << end;
        EXPECT_FALSE(c.CursorHeldInField()) << end;
        EXPECT_TRUE(Same(c.MarkerDrawn(), RECT{58, 38, 64, 44})) << "the marker is back after " << end;
        SendMouse(c.Field(), WM_MOUSEMOVE, 20, 60);
        EXPECT_EQ(c.color, (HsbColor{240, 75, 50})) << "no longer tracking after " << end;
        ::ReleaseCapture();
    }
}

} // namespace

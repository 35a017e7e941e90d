// The hue strip, the colour control, the saturation/brightness field and the
// time bar: what they show, what a scroll code, click, drag or key picks.
#include "color/ColorBar.h"
#include "color/FieldPainter.h"
#include "color/TimeCtrl.h"
#include "tests/color/ColorTestWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

using namespace colortest;

namespace {

// A device-independent bitmap of a given depth in a memory context; 8 bits get 256 assorted colours.
struct Canvas {
    Canvas(int w, int h, WORD depth) : bitmap(Create(w, h, depth)), selection(dc.Get(), bitmap.Get()) {}
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

// A field's pixel as the literal algorithm gets it: hue / 360, x / w and the
// row rule's brightness straight through the conversion.
COLORREF Literal(int hue, int x, int y, SIZE size, FieldRows rows)
{
    const double v = rows == FieldRows::kTopIsFull ? 1.0 - static_cast<double>(y) / size.cy
                                                   : static_cast<double>(size.cy - 1 - y) / size.cy;
    int r = 0, g = 0, b = 0;
    HsvToRgb(static_cast<float>(hue / 360.0), static_cast<float>(static_cast<double>(x) / size.cx),
             static_cast<float>(v), r, g, b);
    return RGB(r, g, b);
}

// A time bar without colours shows the face, as an empty control.
TEST(StripTest, TheHueStripShowsTheHueCircleFromLeftToRightAndATimeBarWithoutColoursTheFace)
{
    HostWindow host;
    CColorBar strip;
    CTimeCtrl time;
    ASSERT_TRUE(CreateChild(strip, host, RECT{0, 0, 360, 20}, 4098) && CreateChild(time, host, RECT{0, 40, 238, 100}, 4099));
    HWND bar = strip.GetSafeHwnd(), timeBar = time.GetDlgItem(CTimeCtrl::kTimeBarId);
    ::UpdateWindow(host.GetSafeHwnd());
    EXPECT_EQ(PixelOf(bar, 0, 10), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(bar, 120, 10), RGB(0, 255, 0));
    EXPECT_EQ(PixelOf(bar, 240, 19), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(bar, 359, 0), RGB(255, 0, 4)) << "stops just short of red";
    EXPECT_EQ(PixelOf(timeBar, 100, 4), ::GetSysColor(COLOR_BTNFACE));
}

// The parts lie at offsets from the caption's height h in the parent's font.
// Tab brings the focus to the box, with its cue, and on to the scroll bar,
// whose keys arrive as scroll codes; Shift+Tab goes back.
TEST(ColorCtrlTest, PlacesItsPartsByTheCaptionAndScrollCodesAndKeysMoveOnlyTheHueStopAtTheEndsAndPostOnceEach)
{
    const struct {
        int start;
        UINT input;  // a scroll code, or above SB_ENDSCROLL a key
        int thumb, expected;
    } cases[] = {
        {0, VK_LEFT, 0, 0},             {100, VK_LEFT, 0, 98},            {358, VK_RIGHT, 0, 359},
        {100, VK_DOWN, 0, 102},         {5, VK_PRIOR, 0, 0},              {100, SB_PAGELEFT, 0, 90},
        {355, VK_NEXT, 0, 359},         {100, SB_PAGERIGHT, 0, 110},      {100, SB_THUMBPOSITION, 7, 7},
        {100, SB_THUMBTRACK, 120, 120}, {120, SB_THUMBTRACK, 121, 121},   {100, VK_HOME, 0, 0},
        {100, VK_END, 0, 359},          {100, SB_ENDSCROLL, 0, 100},
    };
    const CGdiObject<HFONT> font(::CreateFontA(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    Controls c({0, 80, 90}, font.Get());
    HWND scrollBar = c.Part(CColorCtrl::kScrollBarId), box = c.Part(CColorCtrl::kColorBoxId);
    SIZE label = {};
    {
        const CClientDC dc(nullptr);
        const CSelection selected(dc.Get(), font.Get());
        ::GetTextExtentPoint32A(dc.Get(), "Foreground Color:", 17, &label);
    }
    const int h = label.cy;
    EXPECT_TRUE(Same(RectInParent(box), RECT{151, 6, 201, 6 + h}));
    EXPECT_TRUE(Same(RectInParent(c.Part(CColorCtrl::kColorBarId)), RECT{47, h + 37, 159, h + 50}));
    int inkRight = 0;  // the caption drawn in the parent's font ends where its measure says
    for (int y = 6; y < 6 + h; ++y)
        for (int x = 5; x < 151; ++x)
            inkRight = GetGValue(PixelOf(c.control.GetSafeHwnd(), x, y)) < 128 ? std::max(inkRight, x + 1) : inkRight;
    EXPECT_NEAR(inkRight, 5 + label.cx, 2);
    EXPECT_EQ(TextOf(scrollBar), "Foreground Color: hue 0");  // names, never painted

    c.host.tabOrder = c.control.GetTabStops();
    Press(VK_TAB);
    EXPECT_TRUE(::GetFocus() == box && c.BoxCue());
    Press(VK_TAB);
    EXPECT_TRUE(::GetFocus() == scrollBar && !c.BoxCue());
    for (const auto& test : cases) {
        c.color.hue = test.start;
        c.control.UpdateFromColor();  // the owner's change: the control follows and posts nothing
        if (test.input > SB_ENDSCROLL)
            Press(test.input);
        else
            c.control.SendMessage(WM_HSCROLL, MAKEWPARAM(test.input, test.thumb), reinterpret_cast<LPARAM>(scrollBar));
        EXPECT_EQ(::GetScrollPos(scrollBar, SB_CTL), test.expected) << test.input << " from " << test.start;
        EXPECT_EQ(c.color, (HsbColor{test.expected, 80, 90}));
        EXPECT_EQ(c.BoxShows(), HsbToColorRef(c.color)) << "redrawn before the queue is handled";
        EXPECT_EQ(c.Posted(), test.input == SB_ENDSCROLL ? Senders{} : Senders{&c.control});
        EXPECT_EQ(TextOf(box), "Foreground Color: hue " + std::to_string(test.expected) + ", saturation 80, brightness 90");
    }
    c.host.SendMessage(WM_NEXTDLGCTL, TRUE, FALSE);
    EXPECT_EQ(::GetFocus(), box);
}

// One painter for every case, so that a field kept from the case before would show; hues at the ends of the
// conversion's sectors. 24 bits keep the rows of the field's buffer way; 32 and 16 bits show its per-pixel
// colours; 8 bits the nearest palette entry. The time bar's one buffer shows what a brush per column does.
TEST(FieldPainterTest, EveryDisplayShowsExactlyTheFieldOfItsWayAndTheTimeBarOfOneBrushPerColumn)
{
    CFieldPainter painter;
    for (int hue : {0, 59, 60, 61, 180, 200, 299, 359}) {
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
                        ::SetPixel(canvas.dc.Get(), x, y, Literal(hue, x, y, size, rows));
                        mismatches += canvas.PixelAt(x, y) != painted;
                    }
                }
                EXPECT_EQ(mismatches, 0) << depth << " bits, hue " << hue << ", width " << size.cx;
            }
        }
    }
    const CTimeBlend blend({0, 100, 100}, {215, 60, 40}, 208);
    for (WORD depth : {32, 24, 16}) {  // a palette display matches each brush to its palette
        const Canvas perColumn(208, 10, depth), oneBuffer(208, 10, depth);
        CTimeBar::Paint(perColumn.dc.Get(), blend, 10, CTimeBar::Painting::kPerColumn);
        CTimeBar::Paint(oneBuffer.dc.Get(), blend, 10, CTimeBar::Painting::kOneBuffer);
        int mismatches = 0;
        for (int x = 0; x < 208; ++x)
            mismatches += perColumn.PixelAt(x, 9) != oneBuffer.PixelAt(x, 9);
        EXPECT_EQ(mismatches, 0) << "time bar, " << depth << " bits";
    }
}

// Clicks truncate; keys step within 0 to 100 (Page Up/Down: brightness by 10, Home/End: saturation to the
// ends); each pick posts once, renames the field and moves the marker. Only Tab brings the focus and its
// cue to the field; the window's UI state hides and shows the cue.
TEST(ColorPickerTest, ClicksAndKeysPickPostOnceAndTheMarkerFollowsAndOnlyTabFocuses)
{
    const struct {
        UINT key;  // 0: a click at x, y
        int x, y, saturation, brightness;
    } cases[] = {
        {0, 0, 0, 0, 100},        {0, 79, 79, 98, 2},       {0, 79, 0, 98, 100},       {0, 0, 79, 0, 2},
        {0, 40, 20, 50, 75},      {VK_NEXT, 0, 0, 50, 65},  {VK_LEFT, 0, 0, 49, 65},   {VK_RIGHT, 0, 0, 50, 65},
        {VK_UP, 0, 0, 50, 66},    {VK_DOWN, 0, 0, 50, 65},  {VK_PRIOR, 0, 0, 50, 75},  {VK_PRIOR, 0, 0, 50, 85},
        {VK_PRIOR, 0, 0, 50, 95}, {VK_PRIOR, 0, 0, 50, 100}, {VK_UP, 0, 0, 50, 100},   {VK_HOME, 0, 0, 0, 100},
        {VK_LEFT, 0, 0, 0, 100},  {VK_END, 0, 0, 100, 100}, {VK_RIGHT, 0, 0, 100, 100},
    };
    Controls c({77, 33, 44});
    c.host.tabOrder = {c.Part(CColorCtrl::kScrollBarId), c.Field()};
    for (const auto& test : cases) {
        if (test.key) {
            Press(test.key);
        } else {
            SendMouse(c.Field(), WM_LBUTTONDOWN, test.x, test.y);
            SendMouse(c.Field(), WM_LBUTTONUP, test.x, test.y);
        }
        EXPECT_EQ(c.color, (HsbColor{77, test.saturation, test.brightness})) << test.key << " " << test.x << "," << test.y;
        EXPECT_EQ(c.Posted(), Senders{&c.field});
        EXPECT_EQ(TextOf(c.Field()), "saturation " + std::to_string(test.saturation) + ", brightness " + std::to_string(test.brightness));
        if (test.key == VK_NEXT) {
            EXPECT_TRUE(Same(c.MarkerDrawn(), RECT{38, 26, 44, 32})) << "the marker follows, the cue hidden";
        }
        if (test.key || test.x != 40)
            continue;
        // The last click: the marker under the cross-hair, and neither focus nor cue.
        EXPECT_TRUE(Same(c.MarkerDrawn(), RECT{38, 18, 44, 24}));
        EXPECT_NE(::GetFocus(), c.Field());
        Press(VK_TAB);
        Press(VK_TAB);
        EXPECT_TRUE(::GetFocus() == c.Field() && c.FieldCue());
        ::SendMessageA(c.Field(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    }
    ::SendMessageA(c.Field(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    EXPECT_TRUE(c.FieldCue());
    c.color = {77, INT_MAX, INT_MIN};  // hand-edited: brought into range first
    Press(VK_DOWN);
    EXPECT_EQ(c.color, (HsbColor{77, 100, 0}));

    Controls wild({-400, 2000000000, -2000000000});
    EXPECT_TRUE(Same(wild.MarkerDrawn(), RECT{})) << "the hue wraps, the marker lies off the field";
}

// Tracking ends with the button-up, and also when the capture goes without one (another window takes it,
// the system cancels modes): the cursor must not stay trapped. A double-click's second press picks too.
TEST(ColorPickerTest, DraggingPicksInsideWithTheMarkerHiddenAndTheCursorHeldUntilTheCaptureEnds)
{
    const struct {
        const char* end;
        bool secondClick;  // the second press of a double-click
    } cases[] = {{"button up", false}, {"button up", true}, {"capture taken", false}, {"cancel mode", true}};
    for (const auto& [end, secondClick] : cases) {
        Controls c({240, 0, 100});
        const unsigned computed = c.field.GetFieldComputeCount();
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

// The hue strip, the sample box and the colour control: what they show,
// where the control puts its parts, and what its hue scroll bar does.
#include "color/ColorBar.h"
#include "color/ColorChanged.h"
#include "color/ColorCtrl.h"
#include "tests/color/ColorTestWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace colortest;

namespace {

const DWORD kChildStyle = WS_CHILD | WS_VISIBLE;

// A colour control on a host, created as its owners create it.
struct ControlOnHost {
    explicit ControlOnHost(HsbColor start, int width = 206, HFONT font = nullptr)
        : color(start), host(width + 20, 120, font)
    {
        control.SetLabel("Foreground Color:");
        control.SetColor(&color);
        created = control.Create(CWnd::DefaultClassName(), "", kChildStyle, RECT{10, 10, 10 + width, 80},
                                 &host, 4098);
        PumpMessages();
    }
    HWND Part(UINT id) const { return ::GetDlgItem(control.GetSafeHwnd(), id); }
    int ScrollPos() const { return ::GetScrollPos(Part(CColorCtrl::kScrollBarId), SB_CTL); }
    // One scroll bar message as the scroll bar sends it, and what it posted.
    void Scroll(UINT code, int thumb = 0)
    {
        control.SendMessage(WM_HSCROLL, MAKEWPARAM(code, thumb),
                            reinterpret_cast<LPARAM>(Part(CColorCtrl::kScrollBarId)));
        PumpMessages();
    }
    COLORREF BoxShows() const { return PixelOf(Part(CColorCtrl::kColorBoxId), 5, 5); }

    HsbColor color;
    HostWindow host;
    CColorCtrl control;
    BOOL created = FALSE;
};

int TextHeight(HFONT font)
{
    const CClientDC dc(nullptr);
    const CSelection selected(dc.Get(), font);
    SIZE extent = {};
    ::GetTextExtentPoint32A(dc.Get(), "Color:", 6, &extent);
    return extent.cy;
}

// A font of this system whose text is exactly the given number of pixels
// high, or null when none is installed.
HFONT FontOfTextHeight(int pixels)
{
    std::vector<std::string> faces;
    LOGFONTA all = {};
    all.lfCharSet = DEFAULT_CHARSET;
    const CClientDC dc(nullptr);
    ::EnumFontFamiliesExA(
        dc.Get(), &all,
        [](const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM list) {
            reinterpret_cast<std::vector<std::string>*>(list)->push_back(font->lfFaceName);
            return 1;
        },
        reinterpret_cast<LPARAM>(&faces), 0);
    for (const std::string& face : faces) {
        for (int height = -pixels; height <= pixels; ++height) {
            HFONT font = ::CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                       face.c_str());
            if (font && TextHeight(font) == pixels)
                return font;
            ::DeleteObject(font);
        }
    }
    return nullptr;
}

TEST(ColorBarTest, ShowsTheHueCircleFromLeftToRight)
{
    HostWindow host(400, 60);
    CColorBar bar;
    ASSERT_TRUE(bar.Create(CWnd::DefaultClassName(), "", kChildStyle, RECT{0, 0, 360, 20}, &host, 4098));
    ::UpdateWindow(bar.GetSafeHwnd());
    EXPECT_EQ(PixelOf(bar.GetSafeHwnd(), 0, 10), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(bar.GetSafeHwnd(), 120, 10), RGB(0, 255, 0));
    EXPECT_EQ(PixelOf(bar.GetSafeHwnd(), 240, 0), RGB(0, 0, 255));
    for (int x : {1, 59, 61, 200, 359}) {
        int r = 0, g = 0, b = 0;
        HsvToRgb(static_cast<float>(x / 360.0), 1.0f, 1.0f, r, g, b);
        EXPECT_EQ(PixelOf(bar.GetSafeHwnd(), x, 19), RGB(r, g, b)) << "column " << x;
    }
    EXPECT_NE(PixelOf(bar.GetSafeHwnd(), 359, 10), RGB(255, 0, 0)) << "stops just short of red";
}

TEST(ColorCtrlTest, ShowsItsColourInTheSampleBoxAndItsHueOnTheScrollBar)
{
    ControlOnHost c({200, 60, 70});
    ASSERT_TRUE(c.created);
    EXPECT_EQ(c.BoxShows(), Drawn(c.color));
    EXPECT_EQ(c.ScrollPos(), 200);
    int low = -1, high = -1;
    ::GetScrollRange(c.Part(CColorCtrl::kScrollBarId), SB_CTL, &low, &high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 359);
    EXPECT_NE(::GetWindowLongA(c.Part(CColorCtrl::kColorBoxId), GWL_EXSTYLE) & WS_EX_STATICEDGE, 0);
    EXPECT_NE(::GetWindowLongA(c.Part(CColorCtrl::kColorBarId), GWL_EXSTYLE) & WS_EX_STATICEDGE, 0);

    // The owner changes the colour from outside, then asks the control to follow.
    c.color = HsbColor{30, 100, 100};
    c.control.UpdateFromColor();
    EXPECT_EQ(c.ScrollPos(), 30);
    EXPECT_EQ(c.BoxShows(), RGB(255, 127, 0));
    EXPECT_TRUE(c.host.colorChanges.empty()) << "following the owner is no change of the control's";
}

TEST(ColorCtrlTest, PlacesItsPartsByTheCaptionHeightAndTheWidth)
{
    const CGdiObject<HFONT> font(FontOfTextHeight(13));
    if (!font)
        GTEST_SKIP() << "no font of this system has text 13 pixels high";
    ControlOnHost c({0, 100, 100}, 206, font.Get());
    ASSERT_TRUE(c.created);
    const RECT box = RectInParent(c.Part(CColorCtrl::kColorBoxId));
    const RECT scroll = RectInParent(c.Part(CColorCtrl::kScrollBarId));
    const RECT strip = RectInParent(c.Part(CColorCtrl::kColorBarId));
    EXPECT_EQ(box.left, 151);
    EXPECT_EQ(box.right - box.left, 50);
    EXPECT_EQ(box.top, 6);
    EXPECT_EQ(box.bottom, 19);
    EXPECT_EQ(scroll.left, 5);
    EXPECT_EQ(scroll.right, 201);
    EXPECT_EQ(scroll.top, 23);
    EXPECT_EQ(scroll.bottom, 38);
    EXPECT_EQ(strip.left, 47);
    EXPECT_EQ(strip.right, 159);
    EXPECT_EQ(strip.top, 50);
    EXPECT_EQ(strip.bottom, 63);

    // The frame: black at the edges of the control.
    EXPECT_EQ(PixelOf(c.control.GetSafeHwnd(), 0, 30), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(c.control.GetSafeHwnd(), 205, 69), RGB(0, 0, 0));
    c.control.DestroyWindow();
}

TEST(ColorCtrlTest, ANarrowControlGetsEmptyPartsNotInvertedOnes)
{
    ControlOnHost c({0, 100, 100}, 40);
    ASSERT_TRUE(c.created);
    const RECT strip = RectInParent(c.Part(CColorCtrl::kColorBarId));
    EXPECT_EQ(strip.right, strip.left);
}

TEST(ColorCtrlTest, ScrollCodesMoveTheHueAndStopAtTheEnds)
{
    struct Case {
        int start;
        UINT code;
        int thumb;
        int expected;
    };
    const Case cases[] = {
        {0, SB_LINELEFT, 0, 0},       {1, SB_LINELEFT, 0, 0},       {100, SB_LINELEFT, 0, 98},
        {358, SB_LINERIGHT, 0, 359},  {100, SB_LINERIGHT, 0, 102},  {5, SB_PAGELEFT, 0, 0},
        {100, SB_PAGELEFT, 0, 90},    {355, SB_PAGERIGHT, 0, 359},  {100, SB_PAGERIGHT, 0, 110},
        {100, SB_THUMBPOSITION, 7, 7}, {100, SB_THUMBTRACK, 359, 359}, {100, SB_LEFT, 0, 0},
        {100, SB_RIGHT, 0, 359},
    };
    for (const Case& test : cases) {
        ControlOnHost c({test.start, 80, 90});
        ASSERT_TRUE(c.created);
        c.Scroll(test.code, test.thumb);
        EXPECT_EQ(c.ScrollPos(), test.expected) << "code " << test.code << " from " << test.start;
        EXPECT_EQ(c.color, (HsbColor{test.expected, 80, 90})) << "saturation and brightness untouched";
        EXPECT_EQ(c.BoxShows(), Drawn(c.color));
        ASSERT_EQ(c.host.colorChanges.size(), 1u) << "code " << test.code;
        EXPECT_EQ(c.host.colorChanges[0], &c.control);
    }
}

TEST(ColorCtrlTest, ThumbTrackingPostsOneMessagePerStepAndTheBoxFollowsEach)
{
    ControlOnHost c({0, 100, 100});
    ASSERT_TRUE(c.created);
    const int steps[] = {10, 60, 120, 121, 240};
    for (size_t i = 0; i < std::size(steps); ++i) {
        c.control.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, steps[i]),
                              reinterpret_cast<LPARAM>(c.Part(CColorCtrl::kScrollBarId)));
        // Redrawn at once, before anything queued is handled.
        EXPECT_EQ(c.BoxShows(), Drawn(HsbColor{steps[i], 100, 100}));
    }
    PumpMessages();
    EXPECT_EQ(c.host.colorChanges.size(), std::size(steps));

    c.host.colorChanges.clear();
    c.Scroll(SB_ENDSCROLL);
    EXPECT_TRUE(c.host.colorChanges.empty()) << "the end of scrolling sends nothing";
    EXPECT_EQ(c.color.hue, 240);
}

TEST(ColorCtrlTest, CannotBeCreatedWithoutAParent)
{
    HsbColor color = {0, 0, 0};
    CColorCtrl control;
    control.SetColor(&color);
    EXPECT_FALSE(control.Create(CWnd::DefaultClassName(), "", WS_POPUP, RECT{0, 0, 200, 70},
                                static_cast<HWND>(nullptr), 0));
    EXPECT_EQ(control.GetSafeHwnd(), nullptr);
    control.UpdateFromColor();  // nothing to update, and nothing else touched
}

TEST(ColorCtrlTest, WithoutAColourTheHueScrollBarMovesButNothingIsSent)
{
    HostWindow host;
    CColorCtrl control;
    control.SetLabel("Color:");
    ASSERT_TRUE(control.Create(CWnd::DefaultClassName(), "", kChildStyle, RECT{0, 0, 206, 70}, &host, 1));
    HWND scroll = ::GetDlgItem(control.GetSafeHwnd(), CColorCtrl::kScrollBarId);
    control.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_PAGERIGHT, 0), reinterpret_cast<LPARAM>(scroll));
    PumpMessages();
    EXPECT_EQ(::GetScrollPos(scroll, SB_CTL), 10);
    EXPECT_TRUE(host.colorChanges.empty());
    // The box shows the empty face and a double-click on it opens nothing.
    HWND box = ::GetDlgItem(control.GetSafeHwnd(), CColorCtrl::kColorBoxId);
    EXPECT_EQ(PixelOf(box, 3, 3), ::GetSysColor(COLOR_BTNFACE));
    ::SendMessageA(box, WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 3));
}

} // namespace

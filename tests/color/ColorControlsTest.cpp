// The hue strip, the sample box and the colour control: what they show,
// where the control puts its parts, and what its hue scroll bar does.
#include "color/ColorBar.h"
#include "color/ColorCtrl.h"
#include "tests/color/ColorTestWindows.h"

#include <gtest/gtest.h>

using namespace colortest;

namespace {

// A colour control on a host, created as its owners create it.
struct ControlOnHost {
    explicit ControlOnHost(HsbColor start, int width = 206, HFONT font = nullptr)
        : color(start), host(width + 20, 120, font)
    {
        control.SetLabel("Foreground Color:");
        control.SetColor(&color);
        created = CreateChild(control, host, RECT{10, 10, 10 + width, 80}, 4098);
        PumpMessages();
    }
    HWND Part(UINT id) const { return ::GetDlgItem(control.GetSafeHwnd(), id); }
    int ScrollPos() const { return ::GetScrollPos(Part(CColorCtrl::kScrollBarId), SB_CTL); }
    COLORREF BoxShows() const { return PixelOf(Part(CColorCtrl::kColorBoxId), 5, 5); }
    // One scroll bar message as the scroll bar sends it.
    void Scroll(UINT code, int thumb = 0)
    {
        control.SendMessage(WM_HSCROLL, MAKEWPARAM(code, thumb),
                            reinterpret_cast<LPARAM>(Part(CColorCtrl::kScrollBarId)));
    }

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
    struct Search {
        int pixels;
        HFONT found;
    } search = {pixels, nullptr};
    LOGFONTA all = {};
    all.lfCharSet = DEFAULT_CHARSET;
    const auto tryFace = [](const LOGFONTA* face, const TEXTMETRICA*, DWORD, LPARAM param) {
        auto* s = reinterpret_cast<Search*>(param);
        LOGFONTA font = *face;
        for (font.lfHeight = -s->pixels; font.lfHeight <= s->pixels && !s->found; ++font.lfHeight) {
            font.lfWidth = 0;
            HFONT candidate = ::CreateFontIndirectA(&font);
            if (candidate && TextHeight(candidate) == s->pixels)
                s->found = candidate;
            else
                ::DeleteObject(candidate);
        }
        return s->found ? 0 : 1;
    };
    ::EnumFontFamiliesExA(CClientDC(nullptr).Get(), &all, tryFace, reinterpret_cast<LPARAM>(&search), 0);
    return search.found;
}

bool Placed(HWND child, const RECT& expected)
{
    const RECT rect = RectInParent(child);
    return ::EqualRect(&rect, &expected) != FALSE;
}

TEST(ColorBarTest, ShowsTheHueCircleFromLeftToRight)
{
    HostWindow host(400, 60);
    CColorBar bar;
    ASSERT_TRUE(CreateChild(bar, host, RECT{0, 0, 360, 20}, 4098));
    ::UpdateWindow(bar.GetSafeHwnd());
    EXPECT_EQ(PixelOf(bar.GetSafeHwnd(), 0, 10), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(bar.GetSafeHwnd(), 120, 10), RGB(0, 255, 0));
    EXPECT_EQ(PixelOf(bar.GetSafeHwnd(), 240, 19), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(bar.GetSafeHwnd(), 359, 0), RGB(255, 0, 4)) << "stops just short of red";
}

TEST(ColorCtrlTest, ShowsItsColourAndFollowsItsOwnersChanges)
{
    ControlOnHost c({200, 60, 70});
    ASSERT_TRUE(c.created);
    EXPECT_EQ(c.BoxShows(), HsbToColorRef(c.color));
    EXPECT_EQ(c.ScrollPos(), 200);
    c.color = HsbColor{30, 100, 100};
    c.control.UpdateFromColor();
    EXPECT_EQ(c.ScrollPos(), 30);
    EXPECT_EQ(c.BoxShows(), RGB(255, 127, 0));
    PumpMessages();
    EXPECT_TRUE(c.host.colorChanges.empty()) << "following the owner is no change of the control's";
}

TEST(ColorCtrlTest, PlacesItsPartsByTheParentsCaptionHeightAndTheWidth)
{
    const CGdiObject<HFONT> font(FontOfTextHeight(13));
    if (!font)
        GTEST_SKIP() << "no font of this system has text 13 pixels high";
    ControlOnHost c({0, 100, 100}, 206, font.Get());
    ASSERT_TRUE(c.created);
    EXPECT_TRUE(Placed(c.Part(CColorCtrl::kColorBoxId), RECT{151, 6, 201, 19}));
    EXPECT_TRUE(Placed(c.Part(CColorCtrl::kScrollBarId), RECT{5, 23, 201, 38}));
    EXPECT_TRUE(Placed(c.Part(CColorCtrl::kColorBarId), RECT{47, 50, 159, 63}));
    EXPECT_EQ(PixelOf(c.control.GetSafeHwnd(), 0, 30), RGB(0, 0, 0)) << "the frame";
    EXPECT_EQ(PixelOf(c.control.GetSafeHwnd(), 205, 69), RGB(0, 0, 0));

    ControlOnHost narrow({0, 100, 100}, 40, font.Get());
    const RECT strip = RectInParent(narrow.Part(CColorCtrl::kColorBarId));
    EXPECT_EQ(strip.right, strip.left) << "an empty strip, not an inverted one";
}

TEST(ColorCtrlTest, ScrollCodesMoveOnlyTheHueAndStopAtTheEnds)
{
    const struct {
        int start;
        UINT code;
        int thumb, expected;
    } cases[] = {
        {0, SB_LINELEFT, 0, 0},     {100, SB_LINELEFT, 0, 98},  {358, SB_LINERIGHT, 0, 359},
        {100, SB_LINERIGHT, 0, 102}, {5, SB_PAGELEFT, 0, 0},     {100, SB_PAGELEFT, 0, 90},
        {355, SB_PAGERIGHT, 0, 359}, {100, SB_PAGERIGHT, 0, 110}, {100, SB_THUMBPOSITION, 7, 7},
        {100, SB_LEFT, 0, 0},       {100, SB_RIGHT, 0, 359},
    };
    ControlOnHost c({0, 80, 90});
    ASSERT_TRUE(c.created);
    for (const auto& test : cases) {
        c.color.hue = test.start;
        c.control.UpdateFromColor();
        c.host.colorChanges.clear();
        c.Scroll(test.code, test.thumb);
        PumpMessages();
        EXPECT_EQ(c.ScrollPos(), test.expected) << "code " << test.code << " from " << test.start;
        EXPECT_EQ(c.color, (HsbColor{test.expected, 80, 90}));
        EXPECT_EQ(c.BoxShows(), HsbToColorRef(c.color));
        EXPECT_EQ(c.host.colorChanges, std::vector<CWnd*>{&c.control}) << "code " << test.code;
    }
}

TEST(ColorCtrlTest, ThumbTrackingPostsOneMessagePerStepAndEndOfScrollNone)
{
    ControlOnHost c({0, 100, 100});
    ASSERT_TRUE(c.created);
    for (int hue : {10, 60, 120, 121, 240}) {
        c.Scroll(SB_THUMBTRACK, hue);
        EXPECT_EQ(c.BoxShows(), HsbToColorRef(HsbColor{hue, 100, 100})) << "redrawn before the queue is handled";
    }
    c.Scroll(SB_ENDSCROLL);
    PumpMessages();
    EXPECT_EQ(c.host.colorChanges.size(), 5u);
    EXPECT_EQ(c.color.hue, 240);
}

TEST(ColorCtrlTest, NeedsAParentAndWithoutAColourSendsNothing)
{
    HsbColor color = {0, 0, 0};
    CColorCtrl orphan;
    orphan.SetColor(&color);
    EXPECT_FALSE(orphan.Create(CWnd::DefaultClassName(), "", WS_POPUP, RECT{0, 0, 200, 70},
                               static_cast<HWND>(nullptr), 0));

    HostWindow host;
    CColorCtrl control;
    ASSERT_TRUE(CreateChild(control, host, RECT{0, 0, 206, 70}, 1));
    HWND scroll = ::GetDlgItem(control.GetSafeHwnd(), CColorCtrl::kScrollBarId);
    control.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_PAGERIGHT, 0), reinterpret_cast<LPARAM>(scroll));
    ::SendMessageA(::GetDlgItem(control.GetSafeHwnd(), CColorCtrl::kColorBoxId), WM_LBUTTONDBLCLK, 0, 0);
    PumpMessages();
    EXPECT_EQ(::GetScrollPos(scroll, SB_CTL), 10);
    EXPECT_TRUE(host.colorChanges.empty());
}

} // namespace

// Window objects: binding, dispatch, default processing and the boundary
// that no exception crosses.
#include "framework/Wnd.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

class RecordingWnd : public CWnd {
public:
    std::vector<UINT> seen;
    bool throwOnPaint = false;
    bool destroyed = false;

protected:
    int OnCreate(CREATESTRUCTA* cs) override
    {
        seen.push_back(WM_CREATE);
        return CWnd::OnCreate(cs);
    }
    void OnPaint() override
    {
        seen.push_back(WM_PAINT);
        if (throwOnPaint)
            throw std::runtime_error("painting failed");
        CWnd::OnPaint();
    }
    void OnLButtonDblClk(UINT, POINT) override { seen.push_back(WM_LBUTTONDBLCLK); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_USER + 1)
            return static_cast<LRESULT>(wParam + lParam);
        return CWnd::OnMessage(message, wParam, lParam);
    }
    void PostNcDestroy() override { destroyed = true; }
};

const RECT kRect = {0, 0, 50, 40};

TEST(WndTest, BindsAtCreationAndUnbindsWhenTheWindowGoes)
{
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.Create(CWnd::DefaultClassName(), "", WS_POPUP, kRect, static_cast<HWND>(nullptr), 0));
    HWND hwnd = wnd.GetSafeHwnd();
    EXPECT_EQ(CWnd::FromHandle(hwnd), &wnd);
    EXPECT_EQ(wnd.seen, std::vector<UINT>{WM_CREATE});
    EXPECT_EQ(wnd.SendMessage(WM_USER + 1, 2, 3), 5);

    ASSERT_TRUE(::DestroyWindow(hwnd));
    EXPECT_TRUE(wnd.destroyed);
    EXPECT_EQ(wnd.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
}

TEST(WndTest, DefaultClassDeliversDoubleClicks)
{
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.Create(CWnd::DefaultClassName(), "", WS_POPUP, kRect, static_cast<HWND>(nullptr), 0));
    EXPECT_NE(::GetClassLongA(wnd.GetSafeHwnd(), GCL_STYLE) & CS_DBLCLKS, 0u);
    wnd.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 4));
    EXPECT_EQ(wnd.seen.back(), static_cast<UINT>(WM_LBUTTONDBLCLK));
}

TEST(WndTest, AnExceptionInAHandlerStopsAtTheWindowProcedure)
{
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.Create(CWnd::DefaultClassName(), "", WS_POPUP | WS_VISIBLE, kRect,
                           static_cast<HWND>(nullptr), 0));
    wnd.throwOnPaint = true;
    wnd.Invalidate();
    ::UpdateWindow(wnd.GetSafeHwnd());
    EXPECT_EQ(wnd.seen.back(), static_cast<UINT>(WM_PAINT));
    // The window is still alive and answering.
    EXPECT_EQ(wnd.SendMessage(WM_USER + 1, 1, 1), 2);
}

TEST(WndTest, ObjectThatGoesFirstTakesItsWindowWithIt)
{
    HWND hwnd = nullptr;
    {
        RecordingWnd wnd;
        ASSERT_TRUE(wnd.Create(CWnd::DefaultClassName(), "", WS_POPUP, kRect,
                               static_cast<HWND>(nullptr), 0));
        hwnd = wnd.GetSafeHwnd();
    }
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST(WndTest, WrapsSystemControlsWithoutBindingThem)
{
    CWnd button;
    ASSERT_TRUE(button.Create("BUTTON", "Press", WS_POPUP, kRect, static_cast<HWND>(nullptr), 0));
    EXPECT_EQ(CWnd::FromHandle(button.GetSafeHwnd()), nullptr);
    EXPECT_EQ(button.GetWindowText(), "Press");
    EXPECT_TRUE(button.DestroyWindow());
}

} // namespace

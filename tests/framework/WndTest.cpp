// Window objects: binding, dispatch, default processing and the boundary
// that no exception crosses.
#include "framework/Wnd.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

class RecordingWnd : public CWnd {
public:
    explicit RecordingWnd(DWORD style = WS_POPUP)
    {
        EXPECT_TRUE(Create(CWnd::DefaultClassName(), "", style, {0, 0, 50, 40}, static_cast<HWND>(nullptr), 0));
    }
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
        return message == WM_USER + 1 ? static_cast<LRESULT>(wParam + lParam)
                                      : CWnd::OnMessage(message, wParam, lParam);
    }
    void PostNcDestroy() override { destroyed = true; }
};

TEST(WndTest, BindsAtCreationDispatchesAndUnbindsWhenTheWindowGoes)
{
    RecordingWnd wnd;
    HWND hwnd = wnd.GetSafeHwnd();
    EXPECT_EQ(CWnd::FromHandle(hwnd), &wnd);
    EXPECT_EQ(wnd.SendMessage(WM_USER + 1, 2, 3), 5);
    EXPECT_NE(::GetClassLongA(hwnd, GCL_STYLE) & CS_DBLCLKS, 0u) << "the default class has double-clicks";
    wnd.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 4));
    EXPECT_EQ(wnd.seen, (std::vector<UINT>{WM_CREATE, WM_LBUTTONDBLCLK}));

    ASSERT_TRUE(::DestroyWindow(hwnd));
    EXPECT_TRUE(wnd.destroyed);
    EXPECT_EQ(wnd.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);

    hwnd = RecordingWnd().GetSafeHwnd();
    EXPECT_FALSE(::IsWindow(hwnd)) << "an object that goes first takes its window with it";

    CWnd button;
    ASSERT_TRUE(button.Create("BUTTON", "Press", WS_POPUP, {0, 0, 50, 40}, static_cast<HWND>(nullptr), 0));
    EXPECT_EQ(CWnd::FromHandle(button.GetSafeHwnd()), nullptr) << "a system control is wrapped, not bound";
    EXPECT_EQ(button.GetWindowText(), "Press");
}

TEST(WndTest, AnExceptionInAHandlerStopsAtTheWindowProcedure)
{
    RecordingWnd wnd(WS_POPUP | WS_VISIBLE);
    wnd.throwOnPaint = true;
    wnd.Invalidate();
    ::UpdateWindow(wnd.GetSafeHwnd());
    EXPECT_EQ(wnd.seen.back(), static_cast<UINT>(WM_PAINT));
    EXPECT_EQ(wnd.SendMessage(WM_USER + 1, 1, 1), 2) << "the window still answers";
}

} // namespace

// The framework beyond what the module's dialog and page tests run (dialogs, data exchange, Apply's enabling).
#include "framework/ModuleState.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "framework/ThreadTimer.h"
#include "tests/framework/FrameworkTestResources.h"
#include "tests/support/ModalAnswerer.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdexcept>

using namespace qortest;

namespace {

class FailingPaintWnd : public CWnd {
public:
    FailingPaintWnd() { Create(CWnd::DefaultClassName(), "", WS_POPUP | WS_VISIBLE, {0, 0, 50, 40}, HWND{}, 0); }
    int paints = 0;
    bool destroyed = false;

protected:
    void OnPaint() override
    {
        ++paints;
        throw std::runtime_error("painting failed");
    }
    void PostNcDestroy() override { destroyed = true; }
};

TEST(WndTest, BoundUntilItsWindowGoesAndNoExceptionLeavesTheWindowProcedure)
{
    FailingPaintWnd wnd;
    HWND hwnd = wnd.GetSafeHwnd();
    ::UpdateWindow(hwnd);
    EXPECT_EQ(wnd.paints, 1);
    EXPECT_EQ(CWnd::FromHandle(hwnd), &wnd) << "still there after the exception";

    ASSERT_TRUE(::DestroyWindow(hwnd));
    EXPECT_TRUE(wnd.destroyed);
    EXPECT_EQ(wnd.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
    hwnd = FailingPaintWnd().GetSafeHwnd();
    EXPECT_FALSE(::IsWindow(hwnd)) << "an object that goes first takes its window with it";
}

// The active context, compared by identity only (the stack or the module state keeps it alive).
HANDLE CurrentActivationContext()
{
    HANDLE context = nullptr;
    if (::GetCurrentActCtx(&context) && context)
        ::ReleaseActCtx(context);
    return context;
}

// Every export enters the module's state; the caller's comes back also when an exception passes the guard.
TEST(ModuleStateTest, LeftAlsoWhenAnExceptionPasses)
{
    CModuleState* module = AfxGetStaticModuleState();
    ASSERT_NE(module->GetActivationContext(), nullptr) << "the manifest resource is found";
    CModuleState caller;
    AFX_MANAGE_STATE(&caller);
    const HANDLE before = CurrentActivationContext();
    try {
        AFX_MANAGE_STATE(module);
        EXPECT_EQ(CurrentActivationContext(), module->GetActivationContext());
        throw std::runtime_error("failed inside");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(AfxGetModuleState(), &caller);
    EXPECT_EQ(CurrentActivationContext(), before);
}

class TestPage : public CPropertyPage {
public:
    TestPage() : CPropertyPage(IDD_TEST_PAGE) {}
    int applies = 0;
    BOOL acceptApply = FALSE;

    BOOL OnApply() override
    {
        ++applies;
        return acceptApply;
    }
};

TEST(PropertySheetTest, CancelToCloseDisablesCancelARefusedApplyKeepsItOpenAndPagesNeverEndAsDialogs)
{
    CPropertySheet sheet("Framework sheet");
    TestPage page;
    sheet.AddPage(&page);
    std::string seen;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption("Framework sheet"), [&](HWND hwnd) {
        const auto shown = [](HWND window) { return std::string(::IsWindowVisible(window) ? "shown" : "gone"); };
        HWND pageWindow = page.GetSafeHwnd();
        for (WPARAM command : {IDOK, IDCANCEL})
            ::SendMessageA(pageWindow, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        seen = "page " + shown(pageWindow) + (CWnd::FromHandle(pageWindow) == &page ? " and bound" : "");
        ::SendMessageA(hwnd, PSM_PRESSBUTTON, PSBTN_OK, 0);  // sent: returns when the press was handled
        seen += ", sheet " + shown(hwnd) + " after a refused Apply";
        page.CancelToClose();
        seen += ::IsWindowEnabled(::GetDlgItem(hwnd, IDCANCEL)) ? ", Cancel enabled" : ", Cancel disabled";
        seen += ", OK reads " + DialogItemText(hwnd, IDOK);
        page.acceptApply = TRUE;
        PressSheetButton(hwnd, PSBTN_OK);
    });
    sheet.DoModal();
    EXPECT_TRUE(answerer.Wait());
    // OK and Cancel reaching a page end only the sheet.
    EXPECT_EQ(seen, "page shown and bound, sheet shown after a refused Apply, Cancel disabled, OK reads Close");
    EXPECT_EQ(page.applies, 2);
}

// Killed when replaced, as when destroyed (the schedule's tests): a procedure must not outlive its owner.
TEST(ThreadTimerTest, AReplacedTimerIsKilled)
{
    CThreadTimer timer(10, [](HWND, UINT, UINT_PTR, DWORD) {});
    const UINT_PTR replaced = timer.Id();
    timer = CThreadTimer(10, [](HWND, UINT, UINT_PTR, DWORD) {});
    EXPECT_FALSE(::KillTimer(nullptr, replaced));
}

} // namespace

// The front-end stand-in: seen from outside as the module's notifications
// see it (its window class, the last appearance message it shows, its
// command line), and its business screen painted in the colours given.
#include "frontend/BusinessScreen.h"
#include "framework/GdiHandles.h"
#include "standins/qorrm/qorrm.h"
#include "standins/qorrm/qorrm_standin.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <regex>

using namespace qortest;

namespace {

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000)
{
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::Sleep(20);
    }
    return true;
}

std::string TitleOf(HWND hwnd)
{
    char text[256] = {};
    ::GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

class FrontEndTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        RmStandInClearLiveColors();
    }
    void TearDown() override
    {
        RmStandInClearLiveColors();
        RegistryTest::TearDown();
    }
};

TEST_F(FrontEndTest, SessionWindowHasTheClassAndShowsTheLastAppearanceMessage)
{
    ChildProcess frontEnd(ProgramBeside("qorfront.exe"));
    ASSERT_TRUE(frontEnd.Started());
    HWND session = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (session = ::FindWindowA("QOR_FRONTEND_SESSION", nullptr)) != nullptr; }));
    EXPECT_EQ(TitleOf(session), "Qor Session 1");

    const UINT appearance = ::RegisterWindowMessageA("QOR_MSG_APPEARANCE");
    ::PostMessageA(session, appearance, 5, 1234);
    EXPECT_TRUE(WaitFor([&] { return TitleOf(session) == "Qor Session 1 - appearance code 5, parameter 1234"; }))
        << TitleOf(session);
    HWND status = ::FindWindowExA(session, nullptr, "msctls_statusbar32", nullptr);
    char statusText[256] = {};
    ::SendMessageA(status, WM_GETTEXT, sizeof(statusText), reinterpret_cast<LPARAM>(statusText));
    EXPECT_STREQ(statusText, "Last appearance message: code 5, parameter 1234");
}

TEST_F(FrontEndTest, CommandLinePrintsTheSheetHandleAndRejectsWhatItDoesNotKnow)
{
    const std::string printed = RunAndCapture(ProgramBeside("qorfront.exe") + " --print-handle --quit");
    EXPECT_TRUE(std::regex_search(printed, std::regex("^sheet window [0-9a-f]{8}\r?\n"))) << printed;
    const std::string usage = RunAndCapture(ProgramBeside("qorfront.exe") + " --bogus");
    EXPECT_NE(usage.find("usage: qorfront"), std::string::npos) << usage;
}

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
    EXPECT_EQ(pixel(2, 2), colors[kDesktopColor]);
    const RECT title = TitleRect(area);
    EXPECT_EQ(pixel(title.right - 3, title.top + 3), colors[kTextColor]);
    const RECT toolbar = ToolbarRect(area);
    EXPECT_EQ(pixel(toolbar.left + 2, toolbar.top + 2), colors[kToolbarColor]);
    EXPECT_EQ(pixel(toolbar.right - 3, toolbar.bottom - 3), colors[kToolbarColor]);
    EXPECT_EQ(pixel(toolbar.left + 10, (toolbar.top + toolbar.bottom) / 2 + 8), colors[kFieldColor])
        << "a toolbar button";
    EXPECT_EQ(pixel(area.right - 30, area.bottom - 30), colors[kWindowColor]) << "the form below the table";
}

TEST_F(FrontEndTest, LiveColorsAreSeenByAnotherProcess)
{
    std::array<COLORREF, QORRM_COLOR_COUNT> colors;
    for (int i = 0; i < QORRM_COLOR_COUNT; ++i)
        colors[i] = RGB(i, 0x80, 0xff - i);
    const std::string defaults = RunAndCapture(ProgramBeside("qorprobe.exe") + " colors");
    ASSERT_GE(defaults.size(), 23u * 7 - 1) << "23 colours as rrggbb, separated by commas";

    RmApplyColorsNoRegSave(colors.data());
    const std::string live = RunAndCapture(ProgramBeside("qorprobe.exe") + " colors");
    EXPECT_EQ(live.substr(0, 21), "0080ff,0180fe,0280fd,");
    EXPECT_EQ(live.substr(22 * 7, 6), "1680e9");

    RmStandInClearLiveColors();
    EXPECT_EQ(RunAndCapture(ProgramBeside("qorprobe.exe") + " colors"), defaults);
}

} // namespace

// The front-end stand-in in a process of its own: a schedule run here
// reaches its session window, which shows the code and parameter received,
// and the colours the schedule applied are what front-end windows paint with.
#include "frame/Globals.h"
#include "model/ThemeManager.h"
#include "standins/qorrm/qorrm_standin.h"
#include "tests/schedule/AppearanceWindow.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

#include <string>

using namespace qortest;
using namespace scheduletest;

namespace {

std::string TitleOf(HWND hwnd)
{
    char text[256] = {};
    ::GetWindowTextA(hwnd, text, sizeof(text));
    return text;
}

class FrontEndScheduleTest : public StandInTest {
protected:
    void SetUp() override
    {
        StandInTest::SetUp();
        RmStandInClearLiveColors();
    }
    void TearDown() override
    {
        RmStandInClearLiveColors();
        StandInTest::TearDown();
        g_themeManager.Reload(nullptr, nullptr, HKEY_CURRENT_USER, kThemesKey);
    }
};

TEST_F(FrontEndScheduleTest, SessionWindowShowsTheMessageAndRepaintsInTheScheduledColours)
{
    // Main and shift alike: the same colours whatever the time of day.
    std::string palette;
    for (std::size_t i = 0; i + 1 < kPaletteSize; ++i)
        palette += "ff0000";
    palette += "0000ff";
    const std::string key = std::string(kThemesKey) + "\\Lark\\Evening";
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Lark");
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", "Evening");
    SetString(HKEY_CURRENT_USER, key, "strPaletteMain", palette);
    SetString(HKEY_CURRENT_USER, key, "strPaletteShift", palette);
    SetDword(HKEY_CURRENT_USER, key, "bTimeActivated", 1);
    SetString(HKEY_CURRENT_USER, key, "strTimeSettings", "Day;00:00;23:59");
    g_themeManager.Reload(nullptr, nullptr, HKEY_CURRENT_USER, kThemesKey);

    ChildProcess frontEnd(ProgramBeside("qorfront.exe"));
    ASSERT_TRUE(frontEnd.Started());
    HWND session = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (session = ::FindWindowA("QOR_FRONTEND_SESSION", nullptr)) != nullptr; }));
    ASSERT_TRUE(WaitFor([&] { return TitleOf(session) == "Qor Session 1"; })) << "no message yet";

    g_themeManager.ApplyScheduleNow();
    EXPECT_TRUE(WaitFor([&] { return TitleOf(session) == "Qor Session 1 - appearance code 1, parameter 0"; }))
        << TitleOf(session);
    // What a front-end window of another process paints with now (a window
    // of another process cannot be read back under the null display driver;
    // the stand-in's own tests show that it paints these).
    const std::string colors = RunAndCapture(ProgramBeside("qorprobe.exe") + " colors");
    std::string expected;
    for (std::size_t i = 0; i + 1 < kPaletteSize; ++i)
        expected += "ff0000,";
    expected += "0000ff";
    EXPECT_EQ(colors.substr(0, expected.size()), expected);
}

} // namespace

// The schedule's timer procedure on the process-wide manager, with settings in
// the real registry and days laid around the real time: what reaches the theme
// library, and the appearance message as windows receive it from each sender.
#include "framework/ThreadTimer.h"
#include "model/Notification.h"
#include "model/ScheduleTimer.h"
#include "model/ThemeManager.h"
#include "services/Globals.h"
#include "standins/qorrm/qorrm_standin.h"
#include "tests/schedule/ScheduleCases.h"
#include "tests/schedule/ScheduleSupport.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace qortest;
using namespace scheduletest;

namespace {

// Red turning blue, with a white entry turning black at the end.
const ColorList kRed = Uniform(PackColorRef(255, 0, 0), PackColorRef(255, 255, 255));
const ColorList kBlue = Uniform(PackColorRef(0, 0, 255), PackColorRef(0, 0, 0));

int MinuteOfDayNow()
{
    const __time64_t now = _time64(nullptr);
    std::tm fields = {};
    _localtime64_s(&fields, &now);
    return fields.tm_hour * 60 + fields.tm_min;
}

std::vector<std::string> Applies()
{
    return CallsTo(ThemeLibraryCalls(), "RmApplyColors");
}

// The program's import table entry (in the writable .idata section) through
// which the module's code calls the theme library's RmApplyColors. The tests
// put a watch there: it counts applies made after this thread was told.
extern "C" FARPROC __imp_RmApplyColors;
const FARPROC g_libraryApply = __imp_RmApplyColors;
int g_appliesAfterTelling = 0;

BOOL WINAPI WatchedApplyColors(const COLORREF* colors, const char* theme)
{
    MSG queued;
    g_appliesAfterTelling += ::PeekMessageA(&queued, nullptr, g_uAppearanceMsg, g_uAppearanceMsg, PM_NOREMOVE);
    return reinterpret_cast<decltype(&WatchedApplyColors)>(reinterpret_cast<void*>(g_libraryApply))(colors, theme);
}

class ScheduleTimerTest : public StandInTest {
protected:
    void SetUp() override
    {
        StandInTest::SetUp();
        __imp_RmApplyColors = reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&WatchedApplyColors));
    }
    void TearDown() override
    {
        __imp_RmApplyColors = g_libraryApply;
        RmStandInClearLiveColors();
        g_themeManager.m_bScheduleSuspended = false;
        StandInTest::TearDown();
        g_themeManager.Reload(nullptr, nullptr, HKEY_CURRENT_USER, kThemesKey);
    }

    // Stores the scheduled setting and reloads the manager, as QorThemeReinit does.
    static void UseSetting(const std::string& timeSettings, DWORD scheduled = 1)
    {
        StoreScheduledSetting(kRed, kBlue, timeSettings, scheduled);
        g_themeManager.Reload(nullptr, nullptr, HKEY_CURRENT_USER, kThemesKey);
    }

    AppearanceWindow m_session{kFrontEndSessionClass};
};

TEST_F(ScheduleTimerTest, ARunAppliesTheColoursOfTheCurrentMinuteThenTellsTheSessionWindows)
{
    const int now = MinuteOfDayNow();
    // The theme's stored default day: the hour around now, within today.
    const DayDefaults defaults = {TimeText(std::max(0, now - 60)), TimeText(std::min(24 * 60 - 1, now + 60))};
    SetString(HKEY_CURRENT_USER, std::string(kThemesKey) + "\\Lark", "strDefaultDayStart", defaults.start);
    SetString(HKEY_CURRENT_USER, std::string(kThemesKey) + "\\Lark", "strDefaultDayEnd", defaults.end);
    // Before the day, after it, and during it.
    const std::string timeSettingsCases[] = {Day(now + 5, now + 10), Day(now - 10, now - 5), "Day;default;DEFAULT"};
    for (const std::string& timeSettings : timeSettingsCases) {
        const auto expected = [&] {
            const auto colors = ScheduledColors(timeSettings, ";", defaults, kRed, kBlue, _time64(nullptr));
            return colors ? "RmApplyColors(" + Hex(*colors, ",") + ", \"Lark\")" : "";
        };
        const std::string before = expected();
        if (before.empty())
            continue;  // not within today
        ResetStandIns();
        m_session.received.clear();
        UseSetting(timeSettings);
        g_themeManager.ApplyScheduleNow();
        const std::string after = expected();  // the minute may have turned
        ASSERT_EQ(Applies().size(), 1u) << timeSettings;
        EXPECT_TRUE(Applies()[0] == before || Applies()[0] == after) << timeSettings << ": " << Applies()[0];
        EXPECT_EQ(g_appliesAfterTelling, 0) << "told before the colours were applied";
        DispatchFor(50);
        EXPECT_EQ(m_session.received, std::vector<std::string>{"1 0"}) << timeSettings;
    }
}

TEST_F(ScheduleTimerTest, NothingHappensWithoutAValidScheduleOrWithItOff)
{
    const struct {
        const char* timeSettings;
        DWORD scheduled;
        const char* failingText = nullptr;
    } cases[] = {
        // Schedule off; no separator; start equal to end; hand-edited times.
        {"Day;00:00;23:59", 0}, {"default", 1}, {"Day;10:00;10:00", 1}, {"Day;25:00;18:00", 1}, {"Day;08:00;18:99", 1},
        {"Day;00:00;23:59", 1, "QorPcTxtRead"},  // the catalogue answers no separator
    };
    for (const auto& c : cases) {
        ResetStandIns();
        if (c.failingText)
            FailTextLibrary(c.failingText);
        UseSetting(c.timeSettings, c.scheduled);
        g_themeManager.ApplyScheduleNow();
        EXPECT_TRUE(Applies().empty()) << c.timeSettings;
    }
    DispatchFor(50);
    EXPECT_TRUE(m_session.received.empty());
}

// Every manager's run works on the process-wide manager.
TEST_F(ScheduleTimerTest, SuspensionStopsTheTimersRunsButNotApplyScheduleNow)
{
    UseSetting("Day;00:00;23:59");
    const auto runTimer = [] {
        CThreadTimer timer(10, ScheduleTimerProc);
        DispatchFor(150);
    };
    g_themeManager.m_bScheduleSuspended = true;
    runTimer();
    EXPECT_TRUE(Applies().empty());
    g_themeManager.ApplyScheduleNow();
    EXPECT_EQ(Applies().size(), 1u);
    EXPECT_TRUE(g_themeManager.m_bScheduleSuspended);

    g_themeManager.m_bScheduleSuspended = false;
    // Another instance, whose own active setting has no schedule.
    CThemeManager other;
    ASSERT_TRUE(other.Reload("Lark", "", HKEY_CURRENT_USER, kThemesKey));
    other.ApplyScheduleNow();
    EXPECT_EQ(Applies().size(), 2u);
    runTimer();
    EXPECT_GT(Applies().size(), 2u);
}

TEST_F(ScheduleTimerTest, TheFrontEndShowsTheMessageAndPaintsInTheAppliedColours)
{
    ChildProcess frontEnd(ProgramBeside("qorfront.exe"));
    ASSERT_TRUE(DispatchUntil([] { return ::FindWindowA(kFrontEndSessionClass, "Qor Session 1") != nullptr; }));
    UseSetting("Day;00:00;23:59");
    g_themeManager.ApplyScheduleNow();
    EXPECT_TRUE(DispatchUntil([] {
        return ::FindWindowA(kFrontEndSessionClass, "Qor Session 1 - appearance code 1, parameter 0") != nullptr;
    }));
    // What a front-end window paints with now, as another process reads it
    // (the null display driver shows no pixels of another process).
    std::string colors = RunAndCapture(ProgramBeside("qorprobe.exe") + " colors");
    colors.erase(std::min(colors.find_first_of("\r\n"), colors.size()));
    EXPECT_EQ(Applies(), std::vector<std::string>{"RmApplyColors(" + colors + ", \"Lark\")"});
}

TEST(Notification, SessionWindowsOfEveryProcessAreToldOtherSendersTellEveryWindow)
{
    // Another process with a session window titled "probe", which prints
    // "appearance <code> <parameter>" for each message until it is closed.
    ChildProcess probe(ProgramBeside("qorprobe.exe") + " session " + kFrontEndSessionClass + " 10000");
    ASSERT_TRUE(DispatchUntil([] { return ::FindWindowA(kFrontEndSessionClass, "probe") != nullptr; }));
    AppearanceWindow session(kFrontEndSessionClass);
    AppearanceWindow longer("QOR_FRONTEND_SESSIONS");
    AppearanceWindow shorter("QOR_FRONTEND_SESSIO");

    NotifySessionWindows();
    BroadcastSound(true);
    BroadcastSound(false);
    BroadcastColorsFromProcess();
    BroadcastSystemColors();
    BroadcastScheduleFromProcess();
    DispatchFor(100);
    ::PostMessageA(::FindWindowA(kFrontEndSessionClass, "probe"), WM_CLOSE, 0, 0);

    const std::string process = std::to_string(::GetCurrentProcessId());
    const std::vector<std::string> told = {"1 0", "2 1", "2 0", "1 " + process, "1 0", "5 " + process};
    const std::vector<std::string> broadcasts(told.begin() + 1, told.end());
    EXPECT_EQ(session.received, told);
    EXPECT_EQ(longer.received, broadcasts);
    EXPECT_EQ(shorter.received, broadcasts);
    std::string printed;
    for (const std::string& line : told)
        printed += "appearance " + line + "\r\n";
    EXPECT_EQ(probe.Finish(), printed);
}

TEST(Notification, TheActiveWindowHandlesTheColoursBeforeTheSendReturns)
{
    AppearanceWindow active("QOR_SCHEDULE_TEST");
    AppearanceWindow inactive("QOR_SCHEDULE_TEST");
    ::ShowWindow(active.Handle(), SW_SHOW);
    ::SetActiveWindow(active.Handle());
    ASSERT_EQ(::GetActiveWindow(), active.Handle());
    SendColorsToActiveWindow();
    // Nothing dispatched in between: the message was sent, not posted.
    EXPECT_EQ(active.received, std::vector<std::string>{"1 0"});
    EXPECT_TRUE(inactive.received.empty());
}

} // namespace

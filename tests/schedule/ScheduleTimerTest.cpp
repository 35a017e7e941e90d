// The schedule's timers and their procedure on the process-wide manager, with
// days laid around the real time, and the appearance message from each sender.
#include "frame/qorthmcust.h"
#include "framework/ThreadTimer.h"
#include "model/Notification.h"
#include "model/ScheduleTimer.h"
#include "model/ThemeManager.h"
#include "services/Globals.h"
#include "standins/qorrm/qorrm_standin.h"
#include "tests/schedule/ScheduleCases.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Messages.h"
#include "tests/support/StandInTest.h"
#include "tests/support/Themes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace qortest;
using namespace scheduletest;

namespace {

// Red turning blue, with a white entry turning black at the end: colours
// that come back exactly from their stored form.
const ColorList kRed = Uniform(PackColorRef(255, 0, 0), PackColorRef(255, 255, 255));
const ColorList kBlue = Uniform(PackColorRef(0, 0, 255), PackColorRef(0, 0, 0));

// The colours as rrggbb, joined: how palettes are stored and how the theme
// library journals them.
std::string Hex(const ColorList& colors, const char* join)
{
    std::string text;
    for (ColorRef color : colors)
        text += (text.empty() ? "" : join) + qortest::Hex(color);
    return text;
}

// Stores Lark's colour setting Evening as the scheduled one.
void StoreScheduledSetting(const ColorList& mainColors, const ColorList& shiftColors,
                           const std::string& timeSettings, DWORD scheduled)
{
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Lark");
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", "Evening");
    StoreSetting("Lark", "Evening", Hex(mainColors, ""), Hex(shiftColors, ""), scheduled, timeSettings.c_str());
}

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

// The program's import table entries (in the writable .idata section) through
// which the module's code calls the system and the theme library: the tests
// put watches there. Answers what the entry held.
template <class Function>
Function Watch(FARPROC& entry, Function watch)
{
    const auto held = reinterpret_cast<Function>(reinterpret_cast<void*>(entry));
    entry = reinterpret_cast<FARPROC>(reinterpret_cast<void*>(watch));
    return held;
}

extern "C" FARPROC __imp_RmApplyColors;
extern "C" FARPROC __imp_SetTimer;
extern "C" FARPROC __imp_KillTimer;

// Counts applies made after this thread was told.
BOOL(WINAPI* g_libraryApply)(const COLORREF*, const char*) = nullptr;
int g_appliesAfterTelling = 0;

BOOL WINAPI WatchedApplyColors(const COLORREF* colors, const char* theme)
{
    MSG queued;
    g_appliesAfterTelling += ::PeekMessageA(&queued, nullptr, g_uAppearanceMsg, g_uAppearanceMsg, PM_NOREMOVE);
    return g_libraryApply(colors, theme);
}

struct TimerSet {
    UINT_PTR id;
    UINT periodMs;
    TIMERPROC procedure;
};

// Thread timers (no window) set and killed, watched from before the
// process-wide manager is built.
struct TimerSpy {
    TimerSpy() : setTimer(Watch(__imp_SetTimer, &Set)), killTimer(Watch(__imp_KillTimer, &Kill)) {}
    static UINT_PTR WINAPI Set(HWND hwnd, UINT_PTR id, UINT periodMs, TIMERPROC procedure);
    static BOOL WINAPI Kill(HWND hwnd, UINT_PTR id);

    decltype(&::SetTimer) setTimer;
    decltype(&::KillTimer) killTimer;
    std::vector<TimerSet> sets;
    std::vector<UINT_PTR> kills;
};

// Built before every object of default priority, the process-wide manager among them.
TimerSpy g_spy __attribute__((init_priority(101)));

UINT_PTR WINAPI TimerSpy::Set(HWND hwnd, UINT_PTR id, UINT periodMs, TIMERPROC procedure)
{
    const UINT_PTR set = g_spy.setTimer(hwnd, id, periodMs, procedure);
    if (!hwnd)
        g_spy.sets.push_back({set, periodMs, procedure});
    return set;
}

BOOL WINAPI TimerSpy::Kill(HWND hwnd, UINT_PTR id)
{
    if (!hwnd)
        g_spy.kills.push_back(id);
    return g_spy.killTimer(hwnd, id);
}

class ScheduleTimerTest : public StandInTest {
protected:
    void SetUp() override
    {
        StandInTest::SetUp();
        g_libraryApply = Watch(__imp_RmApplyColors, &WatchedApplyColors);
    }
    void TearDown() override
    {
        Watch(__imp_RmApplyColors, g_libraryApply);
        RmStandInClearLiveColors();
        g_themeManager.m_bScheduleSuspended = false;
        StandInTest::TearDown();
        QorThemeReinit();
    }

    static void UseSetting(const std::string& timeSettings, DWORD scheduled = 1)
    {
        StoreScheduledSetting(kRed, kBlue, timeSettings, scheduled);
        QorThemeReinit();
    }

    AppearanceWindow m_session{kFrontEndSessionClass};
};

// The module's own timer, seen through the spy: set with five minutes and the
// schedule procedure at load and by every manager, killed when the manager
// goes. A tick applies what QorThemeReinit loaded, blended for the current
// minute of the theme's stored default day (the hour around now, within
// today), then tells the session windows.
TEST_F(ScheduleTimerTest, TheTimersOfTheModuleAndEveryManagerApplyTheCurrentMinuteThenTell)
{
    ASSERT_FALSE(g_spy.sets.empty()) << "no timer at load";
    const int now = MinuteOfDayNow();
    const DayDefaults defaults = {TimeText(std::max(0, now - 60)), TimeText(std::min(24 * 60 - 1, now + 60))};
    SetString(HKEY_CURRENT_USER, kLark, "strDefaultDayStart", defaults.start);
    SetString(HKEY_CURRENT_USER, kLark, "strDefaultDayEnd", defaults.end);
    const auto expectTick = [&](const TimerSet& timer, const ColorList& main, const char* whose) {
        const auto expected = [&] {
            const auto colors = ScheduledColors("Day;default;DEFAULT", ";", defaults, main, kBlue, _time64(nullptr));
            return "RmApplyColors(" + Hex(*colors, ",") + ", \"Lark\")";
        };
        EXPECT_EQ(timer.periodMs, 5u * 60 * 1000) << whose;
        ResetStandIns();
        m_session.received.clear();
        const std::string before = expected();
        timer.procedure(nullptr, WM_TIMER, timer.id, ::GetTickCount());
        const std::string after = expected();  // the minute may have turned
        ASSERT_EQ(Applies().size(), 1u) << whose;
        EXPECT_TRUE(Applies()[0] == before || Applies()[0] == after) << whose << ": " << Applies()[0];
        DispatchFor(50);
        EXPECT_EQ(m_session.received, std::vector<std::string>{"1 0"}) << whose;
    };
    for (const ColorList* main : {&kBlue, &kRed}) {
        StoreScheduledSetting(*main, kBlue, "Day;default;DEFAULT", 1);
        QorThemeReinit();
        expectTick(g_spy.sets.front(), *main, "at load");
    }
    auto other = std::make_unique<CThemeManager>();
    const TimerSet own = g_spy.sets.back();
    expectTick(own, kRed, "another manager");
    other.reset();
    EXPECT_EQ(std::count(g_spy.kills.begin(), g_spy.kills.end(), own.id), 1);
    EXPECT_EQ(g_appliesAfterTelling, 0) << "told before the colours were applied";
}

TEST_F(ScheduleTimerTest, NothingHappensWithoutAValidScheduleOrWithItOff)
{
    const struct {
        const char* timeSettings;
        DWORD scheduled;
        const char* failingText = nullptr;
    } cases[] = {
        // Schedule off; no separator; a hand-edited time.
        {"Day;00:00;23:59", 0}, {"default", 1}, {"Day;08:00;18:99", 1},
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

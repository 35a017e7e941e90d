// The schedule's timers and their procedure on the process-wide manager, and
// who is told of the colours.
#include "frame/qorthmcust.h"
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

#include <memory>
#include <string>
#include <vector>

using namespace qortest;
using namespace scheduletest;
using Texts = std::vector<std::string>;

namespace {

// Red turning blue, with a white entry turning black at the end: colours
// that come back exactly from their stored form.
const ColorList kRed = Uniform(PackColorRef(255, 0, 0), PackColorRef(255, 255, 255));
const ColorList kBlue = Uniform(PackColorRef(0, 0, 255), PackColorRef(0, 0, 0));

// rrggbb joined: stored palettes, or the theme library's journal with ",".
std::string Hex(const ColorList& colors, const char* join)
{
    std::string text;
    for (ColorRef color : colors)
        text += (text.empty() ? "" : join) + qortest::Hex(color);
    return text;
}

Texts Applies()
{
    return CallsTo(ThemeLibraryCalls(), "RmApplyColors");
}

// Puts a watch on one of the program's import table entries (in the writable
// .idata section), through which the module's code calls the system and the
// theme library; answers what the entry held.
template <class Function>
Function Watch(FARPROC& entry, Function watch)
{
    const auto held = reinterpret_cast<Function>(reinterpret_cast<void*>(entry));
    entry = reinterpret_cast<FARPROC>(reinterpret_cast<void*>(watch));
    return held;
}

extern "C" FARPROC __imp_SetTimer, __imp_RmApplyColors;

struct TimerSet { UINT_PTR id; UINT periodMs; TIMERPROC procedure; };
UINT_PTR WINAPI WatchedSetTimer(HWND hwnd, UINT_PTR id, UINT periodMs, TIMERPROC procedure);
BOOL WINAPI WatchedApplyColors(const COLORREF* colors, const char* theme);

// Thread timers (no window) set, and applies made after this thread was told,
// watched from before the process-wide manager is built.
struct Watches {
    decltype(&::SetTimer) setTimer = Watch(__imp_SetTimer, &WatchedSetTimer);
    decltype(&WatchedApplyColors) applyColors = Watch(__imp_RmApplyColors, &WatchedApplyColors);
    std::vector<TimerSet> timers;
    int appliesAfterTelling = 0;
} g_watches __attribute__((init_priority(101)));  // before every object of default priority

UINT_PTR WINAPI WatchedSetTimer(HWND hwnd, UINT_PTR id, UINT periodMs, TIMERPROC procedure)
{
    const UINT_PTR set = g_watches.setTimer(hwnd, id, periodMs, procedure);
    if (!hwnd)
        g_watches.timers.push_back({set, periodMs, procedure});
    return set;
}

BOOL WINAPI WatchedApplyColors(const COLORREF* colors, const char* theme)
{
    MSG queued;
    g_watches.appliesAfterTelling += ::PeekMessageA(&queued, nullptr, g_uAppearanceMsg, g_uAppearanceMsg, PM_NOREMOVE);
    return g_watches.applyColors(colors, theme);
}

class ScheduleTimerTest : public StandInTest {
protected:
    void TearDown() override
    {
        RmStandInClearLiveColors();
        g_themeManager.m_bScheduleSuspended = false;
        StandInTest::TearDown();
        QorThemeReinit();
    }

    // Lark's setting Evening, turning from main to blue, as the scheduled one
    // of the process-wide manager.
    static void UseSetting(const ColorList& main, const char* timeSettings, DWORD scheduled = 1)
    {
        SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Lark");
        SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", "Evening");
        StoreSetting("Lark", "Evening", Hex(main, ""), Hex(kBlue, ""), scheduled, timeSettings);
        QorThemeReinit();
    }

    AppearanceWindow m_session{kFrontEndSessionClass};
};

// Five minutes and the schedule procedure, at load and for every manager,
// killed when the manager goes. A tick applies what QorThemeReinit loaded,
// blended for the current minute of the theme's stored default day, then
// tells the session windows.
TEST_F(ScheduleTimerTest, TheTimersOfTheModuleAndEveryManagerApplyTheCurrentMinuteThenTell)
{
    ASSERT_FALSE(g_watches.timers.empty()) << "no timer at load";
    g_watches.appliesAfterTelling = 0;
    const DayDefaults defaults = {"00:00", "23:59"};  // not the built-in 08:00 to 18:00
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
        EXPECT_EQ(m_session.received, Texts{"1 0"}) << whose;
    };
    for (const ColorList* main : {&kBlue, &kRed}) {
        UseSetting(*main, "Day;default;DEFAULT");
        expectTick(g_watches.timers.front(), *main, "at load");
    }
    auto other = std::make_unique<CThemeManager>();
    const TimerSet own = g_watches.timers.back();
    expectTick(own, kRed, "another manager");
    other.reset();
    EXPECT_FALSE(::KillTimer(nullptr, own.id)) << "the manager's timer outlives it";
    EXPECT_EQ(g_watches.appliesAfterTelling, 0) << "told before the colours were applied";
}

// ApplyScheduleNow runs also while suspended (for a page's Apply) and leaves
// the suspension.
TEST_F(ScheduleTimerTest, NothingIsAppliedWhenOffWithoutASeparatorOrWhileSuspendedButOnRequest)
{
    const struct { const char* what; DWORD scheduled; const char* failingText; bool suspended; } cases[] = {
        {"off", 0, nullptr, false}, {"the catalogue answers no separator", 1, "QorPcTxtRead", false},
        {"suspended", 1, nullptr, true}};
    for (const auto& c : cases) {
        ResetStandIns();
        if (c.failingText)
            FailTextLibrary(c.failingText);
        UseSetting(kRed, "Day;00:00;23:59", c.scheduled);
        g_themeManager.m_bScheduleSuspended = c.suspended;
        ScheduleTimerProc(nullptr, WM_TIMER, 0, 0);
        EXPECT_TRUE(Applies().empty()) << c.what;
    }
    DispatchFor(50);
    EXPECT_TRUE(m_session.received.empty());

    g_themeManager.ApplyScheduleNow();
    EXPECT_EQ(Applies().size(), 1u);
    EXPECT_TRUE(g_themeManager.m_bScheduleSuspended);
}

// Session windows of every process are told, by their exact class; the
// active window is sent the colours and has handled them when the send returns.
TEST(Notification, SessionWindowsOfEveryProcessAreToldTheActiveWindowIsSentTheColours)
{
    // Prints "appearance <code> <parameter>" for each message until it is closed.
    ChildProcess probe(ProgramBeside("qorprobe.exe") + " session " + kFrontEndSessionClass + " 10000");
    ASSERT_TRUE(DispatchUntil([] { return ::FindWindowA(kFrontEndSessionClass, "probe") != nullptr; }));
    AppearanceWindow session(kFrontEndSessionClass), longer("QOR_FRONTEND_SESSIONS"),
        shorter("QOR_FRONTEND_SESSIO"), active("QOR_SCHEDULE_TEST");
    ::ShowWindow(active.Handle(), SW_SHOW);
    ::SetActiveWindow(active.Handle());
    ASSERT_EQ(::GetActiveWindow(), active.Handle());

    SendColorsToActiveWindow();
    EXPECT_EQ(active.received, Texts{"1 0"}) << "not sent";
    NotifySessionWindows();
    DispatchFor(100);
    ::PostMessageA(::FindWindowA(kFrontEndSessionClass, "probe"), WM_CLOSE, 0, 0);
    EXPECT_EQ(session.received, Texts{"1 0"});
    EXPECT_EQ(longer.received.size() + shorter.received.size() + active.received.size(), 1u);
    EXPECT_EQ(probe.Finish(), "appearance 1 0\r\n");
}

} // namespace

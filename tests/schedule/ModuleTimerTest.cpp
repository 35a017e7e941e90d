// The schedule's own timer, seen through a spy in this program's import
// table that is in place before the process-wide manager is built: set with
// five minutes and the schedule procedure at load and by every manager, and
// killed when the manager goes.
#include "model/ThemeManager.h"
#include "services/Globals.h"
#include "tests/schedule/ScheduleCases.h"
#include "tests/schedule/ScheduleSupport.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

using namespace qortest;
using namespace scheduletest;

namespace {

extern "C" FARPROC __imp_SetTimer;
extern "C" FARPROC __imp_KillTimer;

struct TimerSet {
    UINT_PTR id;
    UINT periodMs;
    TIMERPROC procedure;
};

// Thread timers only (no window).
struct TimerSpy {
    TimerSpy()
        : setTimer(reinterpret_cast<decltype(setTimer)>(reinterpret_cast<void*>(__imp_SetTimer)))
        , killTimer(reinterpret_cast<decltype(killTimer)>(reinterpret_cast<void*>(__imp_KillTimer)))
    {
        __imp_SetTimer = reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&Set));
        __imp_KillTimer = reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&Kill));
    }
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

using ModuleTimerTest = StandInTest;

TEST_F(ModuleTimerTest, FiveMinutesOfTheScheduleFromLoadAndFromEveryManagerUntilItGoes)
{
    ASSERT_FALSE(g_spy.sets.empty()) << "no timer at load";
    StoreScheduledSetting(kMain, kShift, "Day;00:00;23:59", 1);
    g_themeManager.Reload(nullptr, nullptr, HKEY_CURRENT_USER, kThemesKey);
    // A tick of the timer applies the schedule.
    const auto expectSchedule = [](const TimerSet& timer, const char* whose) {
        EXPECT_EQ(timer.periodMs, 5u * 60 * 1000) << whose;
        ResetStandIns();
        timer.procedure(nullptr, WM_TIMER, timer.id, ::GetTickCount());
        EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmApplyColors").size(), 1u) << whose;
    };
    expectSchedule(g_spy.sets.front(), "at load");

    auto other = std::make_unique<CThemeManager>();
    const TimerSet own = g_spy.sets.back();
    expectSchedule(own, "another manager");
    other.reset();
    EXPECT_EQ(std::count(g_spy.kills.begin(), g_spy.kills.end(), own.id), 1);
    g_themeManager.Reload(nullptr, nullptr, HKEY_CURRENT_USER, kThemesKey);
}

} // namespace

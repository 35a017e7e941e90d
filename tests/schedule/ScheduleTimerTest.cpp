// The schedule's timer procedure on the process-wide manager, with settings
// stored in the real registry and times laid around the real time of day:
// which colours and theme reach the theme library, that the session windows
// are told afterwards, and when nothing happens at all.
#include "frame/Globals.h"
#include "framework/ThreadTimer.h"
#include "model/Notification.h"
#include "model/ScheduleTimer.h"
#include "model/ThemeManager.h"
#include "tests/schedule/AppearanceWindow.h"
#include "tests/schedule/ScheduleCases.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace qortest;
using namespace scheduletest;

namespace {

const int kMinutesPerDay = 24 * 60;
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

std::string TimeText(int minuteOfDay)
{
    char text[8];
    std::snprintf(text, sizeof(text), "%02d:%02d", minuteOfDay / 60, minuteOfDay % 60);
    return text;
}

std::string Day(int startMinute, int endMinute)
{
    return "Day;" + TimeText(startMinute) + ";" + TimeText(endMinute);
}

// The colours as rrggbb, joined: how palettes are stored and how the theme
// library journals them.
std::string Hex(const ColorList& colors, const char* join)
{
    std::string text;
    for (ColorRef color : colors) {
        char rgb[8];
        std::snprintf(rgb, sizeof(rgb), "%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
        text += (text.empty() ? "" : join) + std::string(rgb);
    }
    return text;
}

std::string ApplyLine(const ColorList& colors)
{
    return "RmApplyColors(" + Hex(colors, ",") + ", \"Lark\")";
}

std::vector<std::string> Applies()
{
    return CallsTo(ThemeLibraryCalls(), "RmApplyColors");
}

// The program's import table entry for the theme library's RmApplyColors:
// the module's code linked into this program calls through it.
extern "C" FARPROC __imp_RmApplyColors;
const FARPROC g_libraryApply = __imp_RmApplyColors;
HWND g_watchedSession = nullptr;
int g_appliesAfterTelling = 0;

BOOL WINAPI WatchedApplyColors(const COLORREF* colors, const char* theme)
{
    MSG queued;
    g_appliesAfterTelling += ::PeekMessageA(&queued, g_watchedSession, g_uAppearanceMsg, g_uAppearanceMsg, PM_NOREMOVE);
    return reinterpret_cast<decltype(&WatchedApplyColors)>(reinterpret_cast<void*>(g_libraryApply))(colors, theme);
}

// While it lives, the module's RmApplyColors calls go through WatchedApplyColors.
struct ApplyWatch {
    explicit ApplyWatch(HWND session)
    {
        g_watchedSession = session;
        g_appliesAfterTelling = 0;
        SetEntry(reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&WatchedApplyColors)));
    }
    ~ApplyWatch() { SetEntry(g_libraryApply); }
    static void SetEntry(FARPROC function)
    {
        DWORD protection = 0;
        ::VirtualProtect(&__imp_RmApplyColors, sizeof(FARPROC), PAGE_READWRITE, &protection);
        __imp_RmApplyColors = function;
        ::VirtualProtect(&__imp_RmApplyColors, sizeof(FARPROC), protection, &protection);
    }
};

class ScheduleTimerTest : public StandInTest {
protected:
    void SetUp() override
    {
        StandInTest::SetUp();
        g_themeManager.m_bScheduleSuspended = false;
    }
    void TearDown() override
    {
        g_themeManager.m_bScheduleSuspended = false;
        StandInTest::TearDown();
        g_themeManager.Reload(nullptr, nullptr, HKEY_CURRENT_USER, kThemesKey);
    }

    // Stores Lark's setting Evening as the scheduled one and reloads the manager.
    static void UseSetting(const std::string& timeSettings, DWORD scheduled = 1)
    {
        const std::string key = std::string(kThemesKey) + "\\Lark\\Evening";
        SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Lark");
        SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", "Evening");
        SetString(HKEY_CURRENT_USER, key, "strPaletteMain", Hex(kRed, ""));
        SetString(HKEY_CURRENT_USER, key, "strPaletteShift", Hex(kBlue, ""));
        SetDword(HKEY_CURRENT_USER, key, "bTimeActivated", scheduled);
        SetString(HKEY_CURRENT_USER, key, "strTimeSettings", timeSettings);
        g_themeManager.Reload(nullptr, nullptr, HKEY_CURRENT_USER, kThemesKey);  // as QorThemeReinit does
    }

    AppearanceWindow m_session{kFrontEndSessionClass};
};

TEST_F(ScheduleTimerTest, ARunAppliesTheColoursOfTheCurrentMinuteThenTellsTheSessionWindows)
{
    const int now = MinuteOfDayNow();
    // The theme's stored default day lies before or after now, whichever fits into today.
    const bool early = now < kMinutesPerDay - 10;
    const std::string themeKey = std::string(kThemesKey) + "\\Lark";
    SetString(HKEY_CURRENT_USER, themeKey, "strDefaultDayStart", TimeText(early ? now + 5 : now - 10));
    SetString(HKEY_CURRENT_USER, themeKey, "strDefaultDayEnd", TimeText(early ? now + 10 : now - 5));
    const std::string aroundNow = Day(std::max(0, now - 60), std::min(kMinutesPerDay - 1, now + 60));
    const struct {
        std::string timeSettings;
        const ColorList* colors;  // none: the blend of the current minute
        bool fitsToday;
    } cases[] = {
        {Day(now + 5, now + 10), &kRed, now < kMinutesPerDay - 10},
        {Day(now - 10, now - 5), &kBlue, now >= 10},
        {"Day;default;DEFAULT", early ? &kRed : &kBlue, true},
        {aroundNow, nullptr, true},
    };

    const ApplyWatch watch(m_session.Handle());
    for (const auto& c : cases) {
        if (!c.fitsToday)
            continue;
        ResetStandIns();
        m_session.received.clear();
        UseSetting(c.timeSettings);
        const auto expected = [&] {
            return ApplyLine(c.colors ? *c.colors
                                      : *ScheduledColors(aroundNow, ";", {}, kRed, kBlue, _time64(nullptr)));
        };
        const std::string before = expected();
        g_themeManager.ApplyScheduleNow();
        const std::string after = expected();  // the minute may have turned
        ASSERT_EQ(Applies().size(), 1u) << c.timeSettings;
        EXPECT_TRUE(Applies()[0] == before || Applies()[0] == after) << c.timeSettings << ": " << Applies()[0];
        EXPECT_EQ(g_appliesAfterTelling, 0) << "told before the colours were applied";
        DispatchFor(50);
        EXPECT_EQ(m_session.received, std::vector<std::string>{"1 0"}) << c.timeSettings;
    }
}

TEST_F(ScheduleTimerTest, NothingHappensWithoutAValidScheduleOrWithItOff)
{
    const struct {
        const char* timeSettings;
        DWORD scheduled;
        const char* failingText;
    } cases[] = {
        {"Day;00:00;23:59", 0, nullptr},  // schedule off
        {"default", 1, nullptr},          // no separator
        {"Day;10:00;10:00", 1, nullptr},  // start equal to end
        {"Day;25:00;18:00", 1, nullptr},  // hand-edited: no time of day
        {"Day;08:00;18:99", 1, nullptr},
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
    EXPECT_TRUE(m_session.received.empty());

    g_themeManager.ApplyScheduleNow();
    EXPECT_EQ(Applies().size(), 1u);
    EXPECT_TRUE(g_themeManager.m_bScheduleSuspended);

    g_themeManager.m_bScheduleSuspended = false;
    runTimer();
    EXPECT_GT(Applies().size(), 1u);
}

TEST_F(ScheduleTimerTest, EveryManagersRunWorksOnTheProcessWideManager)
{
    UseSetting("Day;00:00;23:59");
    // Another instance whose own active setting has no schedule.
    CThemeManager other;
    ASSERT_TRUE(other.Reload("Lark", "", HKEY_CURRENT_USER, kThemesKey));
    ASSERT_FALSE(other.GetActiveColorSetting()->m_bTimeActivated);
    other.ApplyScheduleNow();
    EXPECT_EQ(Applies().size(), 1u);
}

} // namespace

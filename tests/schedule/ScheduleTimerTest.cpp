// The schedule's timer procedure on the process-wide manager, with settings
// stored in the real registry and times laid around the real time of day:
// which colours and theme reach the theme library, that the session windows
// are told afterwards, and when nothing happens at all.
#include "frame/Globals.h"
#include "framework/ThreadTimer.h"
#include "model/Notification.h"
#include "model/Schedule.h"
#include "model/ScheduleTimer.h"
#include "model/ThemeManager.h"
#include "tests/schedule/AppearanceWindow.h"
#include "tests/schedule/ImportPatch.h"
#include "tests/support/Journal.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

using namespace qortest;
using namespace scheduletest;

namespace {

const char kTheme[] = "Lark";
const char kSetting[] = "Evening";
const int kMinutesPerDay = 24 * 60;

std::string Repeated(const std::string& color, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += color;
    return text;
}

// Red turning blue, with a white entry turning black at the end.
const std::string kMainPalette = Repeated("ff0000", kPaletteSize - 1) + "ffffff";
const std::string kShiftPalette = Repeated("0000ff", kPaletteSize - 1) + "000000";

std::string SettingKey(const std::string& name)
{
    return std::string(kThemesKey) + "\\" + kTheme + (name.empty() ? "" : "\\" + name);
}

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

// How the theme library journals an apply.
std::string ApplyLine(const ColorList& colors, const std::string& theme)
{
    std::string line = "RmApplyColors(";
    for (std::size_t i = 0; i < colors.size(); ++i) {
        char rgb[8];
        std::snprintf(rgb, sizeof(rgb), "%02x%02x%02x", colors[i] & 0xFF, (colors[i] >> 8) & 0xFF,
                      (colors[i] >> 16) & 0xFF);
        line += (i ? "," : "") + std::string(rgb);
    }
    return line + ", \"" + theme + "\")";
}

std::vector<std::string> Applies()
{
    return CallsTo(ThemeLibraryCalls(), "RmApplyColors");
}

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
        ReloadManager();
    }

    // What QorThemeReinit does.
    static void ReloadManager()
    {
        g_themeManager.Reload(nullptr, nullptr, HKEY_CURRENT_USER, kThemesKey);
    }

    // Stores the setting as the scheduled one and reloads the manager.
    static void UseSetting(const std::string& timeSettings, DWORD scheduled = 1)
    {
        SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", kTheme);
        SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", kSetting);
        const std::string key = SettingKey(kSetting);
        SetString(HKEY_CURRENT_USER, key, "strPaletteMain", kMainPalette);
        SetString(HKEY_CURRENT_USER, key, "strPaletteShift", kShiftPalette);
        SetDword(HKEY_CURRENT_USER, key, "bTimeActivated", scheduled);
        SetString(HKEY_CURRENT_USER, key, "strTimeSettings", timeSettings);
        SetDword(HKEY_CURRENT_USER, key, "bWriteProtected", 0);
        ReloadManager();
        ASSERT_NE(g_themeManager.GetActiveColorSetting(), nullptr);
        ASSERT_EQ(g_themeManager.GetActiveColorSetting()->GetName(), kSetting);
    }

    static ColorList MainColors()
    {
        ColorList colors;
        g_themeManager.GetActiveColorSetting()->GetMainColors(colors);
        return colors;
    }
    static ColorList ShiftColors()
    {
        ColorList colors;
        g_themeManager.GetActiveColorSetting()->GetShiftColors(colors);
        return colors;
    }

    AppearanceWindow m_session{kFrontEndSessionClass};
};

TEST_F(ScheduleTimerTest, BeforeTheDayTheMainColoursAfterItTheShiftColours)
{
    const int now = MinuteOfDayNow();
    // At least one of the two fits into today, whatever the time.
    if (now < kMinutesPerDay - 10) {
        UseSetting(Day(now + 5, now + 10));
        g_themeManager.ApplyScheduleNow();
        EXPECT_EQ(Applies(), std::vector<std::string>{ApplyLine(MainColors(), kTheme)});
        DispatchFor(50);
        EXPECT_EQ(m_session.received, std::vector<std::string>{"1 0"});
    }
    if (now >= 10) {
        ResetStandIns();
        m_session.received.clear();
        UseSetting(Day(now - 10, now - 5));
        g_themeManager.ApplyScheduleNow();
        EXPECT_EQ(Applies(), std::vector<std::string>{ApplyLine(ShiftColors(), kTheme)});
        DispatchFor(50);
        EXPECT_EQ(m_session.received, std::vector<std::string>{"1 0"});
    }
}

TEST_F(ScheduleTimerTest, DuringTheDayTheBlendForTheCurrentMinute)
{
    const int now = MinuteOfDayNow();
    const std::string day = Day(std::max(0, now - 60), std::min(kMinutesPerDay - 1, now + 60));
    UseSetting(day);
    const DayDefaults defaults = {"08:00", "18:00"};
    const auto blendAt = [&](__time64_t moment) {
        return ApplyLine(*ScheduledColors(day, ";", defaults, MainColors(), ShiftColors(), moment), kTheme);
    };
    const std::string before = blendAt(_time64(nullptr));
    g_themeManager.ApplyScheduleNow();
    const std::string after = blendAt(_time64(nullptr));

    const std::vector<std::string> applied = Applies();
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_TRUE(applied[0] == before || applied[0] == after) << applied[0];
    // Away from the day's edges the span has begun and not ended.
    if (now > 0 && now < kMinutesPerDay - 1) {
        EXPECT_NE(applied[0], ApplyLine(MainColors(), kTheme));
        EXPECT_NE(applied[0], ApplyLine(ShiftColors(), kTheme));
    }
}

TEST_F(ScheduleTimerTest, DefaultTimesAreTheThemesStoredDefaults)
{
    const int now = MinuteOfDayNow();
    const bool beforeTheDay = now < kMinutesPerDay - 10;
    SetString(HKEY_CURRENT_USER, SettingKey(""), "strDefaultDayStart",
              TimeText(beforeTheDay ? now + 5 : now - 10));
    SetString(HKEY_CURRENT_USER, SettingKey(""), "strDefaultDayEnd",
              TimeText(beforeTheDay ? now + 10 : now - 5));
    UseSetting("Day;default;DEFAULT");
    g_themeManager.ApplyScheduleNow();
    EXPECT_EQ(Applies(), std::vector<std::string>{
                             ApplyLine(beforeTheDay ? MainColors() : ShiftColors(), kTheme)});
}

// Stands in for the theme library's RmApplyColors while a test watches the
// order: notes whether a session window had been told already.
struct ApplyWatch {
    FARPROC library = nullptr;
    HWND session = nullptr;
    int calls = 0;
    bool toldBefore = false;
};
ApplyWatch g_applyWatch;

BOOL WINAPI WatchedApplyColors(const COLORREF* colors, const char* theme)
{
    MSG queued;
    g_applyWatch.toldBefore = g_applyWatch.toldBefore
                              || ::PeekMessageA(&queued, g_applyWatch.session, g_uAppearanceMsg,
                                                g_uAppearanceMsg, PM_NOREMOVE);
    ++g_applyWatch.calls;
    using Apply = BOOL(WINAPI*)(const COLORREF*, const char*);
    return reinterpret_cast<Apply>(reinterpret_cast<void*>(g_applyWatch.library))(colors, theme);
}

TEST_F(ScheduleTimerTest, ColoursAreAppliedBeforeTheSessionWindowsAreTold)
{
    UseSetting("Day;00:00;23:59");
    ImportPatch watch("qorrm.dll", "RmApplyColors",
                      reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&WatchedApplyColors)));
    ASSERT_TRUE(watch.Applied());
    g_applyWatch = {watch.Original(), m_session.Handle(), 0, false};

    g_themeManager.ApplyScheduleNow();
    EXPECT_EQ(g_applyWatch.calls, 1);
    EXPECT_FALSE(g_applyWatch.toldBefore);
    MSG queued;
    EXPECT_TRUE(::PeekMessageA(&queued, m_session.Handle(), g_uAppearanceMsg, g_uAppearanceMsg, PM_NOREMOVE))
        << "told afterwards";
    EXPECT_EQ(Applies().size(), 1u) << "the library's own function was called on";
}

TEST_F(ScheduleTimerTest, NothingHappensWithoutAValidScheduleOrWithItOff)
{
    const struct {
        const char* timeSettings;
        DWORD scheduled;
    } cases[] = {
        {"Day;00:00;23:59", 0},  // schedule off
        {"default", 1},          // no separator
        {"Day;10:00;10:00", 1},  // start equal to end
        {"Day;25:00;18:00", 1},  // hand-edited: no time of day
        {"Day;08:00;18:99", 1},
    };
    for (const auto& c : cases) {
        ResetStandIns();
        UseSetting(c.timeSettings, c.scheduled);
        g_themeManager.ApplyScheduleNow();
        EXPECT_TRUE(Applies().empty()) << c.timeSettings;
    }
    DispatchFor(50);
    EXPECT_TRUE(m_session.received.empty());
}

TEST_F(ScheduleTimerTest, TheSeparatorIsTheCataloguesText)
{
    UseSetting("Day;00:00;23:59");
    g_themeManager.ApplyScheduleNow();
    EXPECT_EQ(Applies().size(), 1u);
    const std::vector<std::string> reads = CallsTo(TextLibraryCalls(), "QorPcTxtRead");
    EXPECT_NE(std::find(reads.begin(), reads.end(), "QorPcTxtRead(0, \"TXT_SEMICOLON\")"), reads.end());

    // A text library that answers nothing leaves no separator: no schedule.
    ResetStandIns();
    FailTextLibrary("QorPcTxtRead");
    g_themeManager.ApplyScheduleNow();
    EXPECT_TRUE(Applies().empty());
    DispatchFor(50);
    EXPECT_EQ(m_session.received, std::vector<std::string>{"1 0"}) << "from the first run only";
}

TEST_F(ScheduleTimerTest, SuspensionStopsTheTimersRuns)
{
    UseSetting("Day;00:00;23:59");
    g_themeManager.m_bScheduleSuspended = true;
    {
        CThreadTimer timer(10, ScheduleTimerProc);
        DispatchFor(150);
    }
    EXPECT_TRUE(Applies().empty());
    EXPECT_TRUE(m_session.received.empty());

    g_themeManager.m_bScheduleSuspended = false;
    {
        CThreadTimer timer(10, ScheduleTimerProc);
        DispatchFor(150);
    }
    EXPECT_FALSE(Applies().empty());
    EXPECT_FALSE(m_session.received.empty());
}

TEST_F(ScheduleTimerTest, ApplyScheduleNowRunsOnceWhileSuspendedAndKeepsTheFlag)
{
    UseSetting("Day;00:00;23:59");
    g_themeManager.m_bScheduleSuspended = true;
    g_themeManager.ApplyScheduleNow();
    EXPECT_EQ(Applies().size(), 1u);
    EXPECT_TRUE(g_themeManager.m_bScheduleSuspended);
    ScheduleTimerProc(nullptr, WM_TIMER, 0, 0);
    EXPECT_EQ(Applies().size(), 1u) << "still suspended";

    g_themeManager.m_bScheduleSuspended = false;
    g_themeManager.ApplyScheduleNow();
    EXPECT_EQ(Applies().size(), 2u);
    EXPECT_FALSE(g_themeManager.m_bScheduleSuspended);
}

TEST_F(ScheduleTimerTest, EveryManagersRunWorksOnTheProcessWideManager)
{
    UseSetting("Day;00:00;23:59");
    // Another instance whose own active setting has no schedule.
    CThemeManager other;
    ASSERT_TRUE(other.Reload(kTheme, "", HKEY_CURRENT_USER, kThemesKey));
    ASSERT_FALSE(other.GetActiveColorSetting()->m_bTimeActivated);
    other.ApplyScheduleNow();
    ASSERT_EQ(Applies().size(), 1u);
    EXPECT_NE(Applies()[0].find(", \"Lark\")"), std::string::npos);
}

TEST_F(ScheduleTimerTest, AReloadChangesWhatTheNextRunApplies)
{
    const int now = MinuteOfDayNow();
    const std::string pastDay = now >= 10 ? Day(now - 10, now - 5) : Day(now + 5, now + 10);
    UseSetting(pastDay);
    g_themeManager.ApplyScheduleNow();
    const std::string lark = Applies().at(0);
    EXPECT_NE(lark.find(", \"Lark\")"), std::string::npos);

    // Another theme is scheduled: until the reload the runs keep to Lark.
    const std::string novaKey = std::string(kThemesKey) + "\\Nova\\Night";
    const std::string greenPalette = Repeated("00ff00", kPaletteSize);
    SetString(HKEY_CURRENT_USER, novaKey, "strPaletteMain", greenPalette);
    SetString(HKEY_CURRENT_USER, novaKey, "strPaletteShift", greenPalette);
    SetDword(HKEY_CURRENT_USER, novaKey, "bTimeActivated", 1);
    SetString(HKEY_CURRENT_USER, novaKey, "strTimeSettings", pastDay);
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Nova");
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", "Night");
    g_themeManager.ApplyScheduleNow();
    EXPECT_EQ(Applies().at(1), lark);

    ReloadManager();
    g_themeManager.ApplyScheduleNow();
    ColorList green;
    green.fill(PackColorRef(0, 255, 0));
    EXPECT_EQ(Applies().at(2), ApplyLine(green, "Nova"));
}

} // namespace

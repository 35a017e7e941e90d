// Through the real module: QorThemeReinit makes the process-wide manager read
// the scheduled setting afresh, and the module's own timer applies what it
// now holds. Its first run comes five minutes after loading: a slow test.
#include "tests/schedule/AppearanceWindow.h"
#include "tests/support/LoadedModule.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

using namespace qortest;
using namespace scheduletest;

namespace {

class ModuleScheduleTest : public StandInTest {};

TEST_F(ModuleScheduleTest, TheModulesTimerAppliesWhatReinitLoaded)
{
    const std::string key = std::string(kThemesKey) + "\\Lark\\Evening";
    std::string green;  // stored, and as the theme library journals it
    std::string journaled;
    for (int i = 0; i < 23; ++i) {
        green += "00ff00";
        journaled += i ? ",00ff00" : "00ff00";
    }
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Lark");
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", "Evening");
    SetString(HKEY_CURRENT_USER, key, "strPaletteMain", green);
    SetString(HKEY_CURRENT_USER, key, "strPaletteShift", green);
    SetString(HKEY_CURRENT_USER, key, "strTimeSettings", "Day;00:00;23:59");
    SetDword(HKEY_CURRENT_USER, key, "bTimeActivated", 0);
    LoadedModule module;
    ASSERT_TRUE(module);
    const DWORD loaded = ::GetTickCount();
    AppearanceWindow session("QOR_FRONTEND_SESSION");

    // Switched on after loading: only a reload lets the timer see it.
    SetDword(HKEY_CURRENT_USER, key, "bTimeActivated", 1);
    module.Reinit();
    const auto applies = [] { return CallsTo(ThemeLibraryCalls(), "RmApplyColors"); };
    ASSERT_TRUE(WaitFor([&] { return !applies().empty(); }, 5 * 60 * 1000 + 30 * 1000));
    EXPECT_GE(::GetTickCount() - loaded, 5 * 60 * 1000 - 1000u) << "one period after loading";
    EXPECT_EQ(applies(), std::vector<std::string>{"RmApplyColors(" + journaled + ", \"Lark\")"});
    DispatchFor(50);
    EXPECT_EQ(session.received, std::vector<std::string>{"1 0"});
}

} // namespace

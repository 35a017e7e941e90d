// Through the real module: QorThemeReinit makes the process-wide manager read
// the scheduled setting afresh, and the module's own timer applies what it
// now holds. The module offers no quicker way to run its schedule than its
// timer, whose first run comes five minutes after loading: a slow test.
#include "tests/schedule/AppearanceWindow.h"
#include "tests/support/Journal.h"
#include "tests/support/LoadedModule.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qortest;
using namespace scheduletest;

namespace {

const DWORD kSchedulePeriodMs = 5 * 60 * 1000;
const DWORD kLeewayMs = 30 * 1000;

std::string Repeated(const std::string& text, int count)
{
    std::string repeated;
    for (int i = 0; i < count; ++i)
        repeated += text;
    return repeated;
}

void StoreEvening(DWORD scheduled)
{
    const std::string key = std::string(kThemesKey) + "\\Lark\\Evening";
    const std::string green = Repeated("00ff00", 23);
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Lark");
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", "Evening");
    SetString(HKEY_CURRENT_USER, key, "strPaletteMain", green);
    SetString(HKEY_CURRENT_USER, key, "strPaletteShift", green);
    SetDword(HKEY_CURRENT_USER, key, "bTimeActivated", scheduled);
    SetString(HKEY_CURRENT_USER, key, "strTimeSettings", "Day;00:00;23:59");
}

class ModuleScheduleTest : public StandInTest {};

TEST_F(ModuleScheduleTest, TheModulesTimerAppliesWhatReinitLoaded)
{
    StoreEvening(0);
    LoadedModule module;
    ASSERT_TRUE(module);
    const DWORD loaded = ::GetTickCount();
    AppearanceWindow session("QOR_FRONTEND_SESSION");

    // Switched on after loading: only a reload lets the timer see it.
    StoreEvening(1);
    module.Reinit();
    const auto applies = [] { return CallsTo(ThemeLibraryCalls(), "RmApplyColors"); };
    ASSERT_TRUE(WaitFor([&] { return !applies().empty(); }, kSchedulePeriodMs + kLeewayMs));
    EXPECT_GE(::GetTickCount() - loaded, kSchedulePeriodMs - 1000) << "one period after loading";
    EXPECT_EQ(applies(), std::vector<std::string>{
                             "RmApplyColors(" + Repeated("00ff00,", 22) + "00ff00, \"Lark\")"});
    DispatchFor(50);
    EXPECT_EQ(session.received, std::vector<std::string>{"1 0"});
}

} // namespace

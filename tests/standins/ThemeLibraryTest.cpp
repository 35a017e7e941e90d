// The colours a front-end window of the stand-ins draws with (the module's
// tests see only the calls it journals): live colours first, then those
// recorded for the active theme, then the defaults; kept under the library's
// own key, never in the module's settings.
#include "standins/qorrm/qorrm.h"
#include "standins/qorrm/qorrm_standin.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

#include <array>

using namespace qortest;

namespace {

using Colors = std::array<COLORREF, QORRM_COLOR_COUNT>;

Colors Filled(COLORREF color)
{
    Colors colors;
    colors.fill(color);
    return colors;
}

Colors SessionColors()
{
    Colors colors = {};
    RmStandInGetSessionColors(colors.data());
    return colors;
}

using ThemeLibraryTest = RegistryTest;

TEST_F(ThemeLibraryTest, SessionColorsAreLiveThenRecordedThenDefaultAndKeptOutsideTheModulesKeys)
{
    RmStandInClearLiveColors();  // live colours are seen by every process
    const Colors defaults = SessionColors(), recorded = Filled(RGB(1, 2, 3)), live = Filled(RGB(4, 5, 6));
    const LONG generation = RmStandInGetLiveGeneration();
    EXPECT_TRUE(RmApplyColors(recorded.data(), "Standard Theme"));
    EXPECT_NE(RmStandInGetLiveGeneration(), generation) << "running windows repaint";
    EXPECT_TRUE(RmApplyColorsNoRegSave(live.data()));
    EXPECT_EQ(SessionColors(), live);
    RmStandInClearLiveColors();  // as for a window started later
    EXPECT_EQ(SessionColors(), recorded) << "only RmApplyColors records";
    EXPECT_TRUE(RmLoadNewTheme("Tideway Theme"));
    EXPECT_EQ(SessionColors(), defaults) << "nothing recorded for the newly loaded theme";
    EXPECT_FALSE(RmApplyColors(recorded.data(), "")) << "no theme to record for";
    for (HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        EXPECT_FALSE(KeyExists(hive, "Software\\Qor\\General")) << "the module's settings stay untouched";
    RmStandInClearLiveColors();
}

} // namespace

// QorThemeReinit through the real module: the process-wide manager reads the
// scheduled theme afresh. Loading a theme creates its key in the user hive
// when it is missing, which is what this test observes.
#include "tests/support/LoadedModule.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

using namespace qortest;

namespace {

using ReinitTest = StandInTest;

TEST_F(ReinitTest, ReloadsTheScheduledTheme)
{
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Lark");
    LoadedModule module;
    ASSERT_TRUE(module);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, std::string(kThemesKey) + "\\Lark"));
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Nova");
    module.Reinit();
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, std::string(kThemesKey) + "\\Nova"));
}

} // namespace

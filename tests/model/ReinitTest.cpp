// QorThemeReinit through the real module: the process-wide manager reads the
// scheduled theme afresh. Loading a theme creates its key in the user hive
// when it is missing, which is what these tests observe.
#include "tests/support/Journal.h"
#include "tests/support/LoadedModule.h"
#include "tests/support/Registry.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

using namespace qortest;

namespace {

class ReinitTest : public StandInTest {
protected:
    static std::string ThemeKey(const char* theme) { return std::string(kThemesKey) + "\\" + theme; }
};

TEST_F(ReinitTest, ReloadsTheScheduledTheme)
{
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Lark");
    LoadedModule module;
    ASSERT_TRUE(module);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Lark")));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Nova")));

    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Nova");
    module.Reinit();
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Nova")));

    // Without a scheduled theme, the library's active one.
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "");
    ASSERT_TRUE(CallsTo(ThemeLibraryCalls(), "RmGetActiveTheme").empty());
    module.Reinit();
    EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmGetActiveTheme"),
              std::vector<std::string>{"RmGetActiveTheme(256)"});
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Standard Theme")));
}

TEST_F(ReinitTest, FollowsSystemDependentToTheSystemDefault)
{
    LoadedModule module;
    ASSERT_TRUE(module);
    SetString(HKEY_LOCAL_MACHINE, kAppearanceKey, "HueShiftTheme", "System Dependent");
    SetString(HKEY_LOCAL_MACHINE, kThemesKey, "SystemDefault", "Tideway");
    module.Reinit();
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Tideway")));
}

} // namespace

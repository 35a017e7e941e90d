// What the module does with the maker's libraries when it loads and unloads.
#include "standins/qorrm/qorrm_standin.h"
#include "standins/qortext/qortext_standin.h"
#include "tests/support/LoadedModule.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

using namespace qortest;
using Calls = std::vector<std::string>;

namespace {

using LoadSequenceTest = StandInTest;

TEST_F(LoadSequenceTest, LoadsTheTextModuleInTheUsersLanguageOnlyWhenTheLarkThemeIsActiveInBothHives)
{
    const Calls bothHives = {"RmIsLarkThemeActiveEx(HKLM)", "RmIsLarkThemeActiveEx(HKCU)"};
    const Calls german = {"QorPcTxtLoad(0, \"FCUST\", \"DE\", 0, 0)"};
    struct { const char* what; HKEY inactiveHive; const char* failing; Calls larkAsked, loads, unloads; } cases[] = {
        {"the user's language", nullptr, nullptr, bothHives, german, {"QorPcTxtUnLoad(handle)"}},
        {"English when the default language fails", nullptr, "QorPcTxtGetDefaultLanguage", bothHives,
         {"QorPcTxtLoad(0, \"FCUST\", \"EN\", 0, 0)"}, {"QorPcTxtUnLoad(handle)"}},
        {"a failed load is not unloaded", nullptr, "QorPcTxtLoad", bothHives, german, {}},
        {"inactive for the machine", HKEY_LOCAL_MACHINE, nullptr, {"RmIsLarkThemeActiveEx(HKLM)"}, {}, {}},
        {"inactive for the user", HKEY_CURRENT_USER, nullptr, bothHives, {}, {}},
    };
    for (const auto& c : cases) {
        ResetQorKeys();
        ResetStandIns();
        SetString(HKEY_CURRENT_USER, QORTEXT_STANDIN_KEY, "Language", "DE");
        if (c.inactiveHive)
            SetDword(c.inactiveHive, QORRM_STANDIN_KEY, "LarkThemeActive", 0);
        if (c.failing)
            FailTextLibrary(c.failing);
        LoadedModule module;
        ASSERT_TRUE(module) << c.what << ": the module loads all the same";
        EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmIsLarkThemeActiveEx"), c.larkAsked) << c.what;
        EXPECT_EQ(CallsTo(TextLibraryCalls(), "QorPcTxtLoad"), c.loads) << c.what;
        EXPECT_TRUE(CallsTo(TextLibraryCalls(), "QorPcTxtUnLoad").empty()) << c.what << ": not before unloading";
        module.Unload();
        EXPECT_EQ(CallsTo(TextLibraryCalls(), "QorPcTxtUnLoad"), c.unloads) << c.what;
    }
}

} // namespace

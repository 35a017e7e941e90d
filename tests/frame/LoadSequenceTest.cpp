// What the module does with the maker's libraries when it loads and unloads.
#include "standins/qorrm/qorrm_standin.h"
#include "standins/qortext/qortext_standin.h"
#include "tests/support/Journal.h"
#include "tests/support/LoadedModule.h"
#include "tests/support/Registry.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

using namespace qortest;
using Calls = std::vector<std::string>;

namespace {

using LoadSequenceTest = StandInTest;

TEST_F(LoadSequenceTest, LoadsTheTextModuleInTheUsersLanguageAndReleasesIt)
{
    SetString(HKEY_CURRENT_USER, QORTEXT_STANDIN_KEY, "Language", "DE");
    LoadedModule module;
    ASSERT_TRUE(module);
    EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmIsLarkThemeActiveEx"),
              (Calls{"RmIsLarkThemeActiveEx(HKLM)", "RmIsLarkThemeActiveEx(HKCU)"}));
    EXPECT_EQ(CallsTo(TextLibraryCalls(), "QorPcTxtGetDefaultLanguage"),
              Calls{"QorPcTxtGetDefaultLanguage(3)"});
    EXPECT_EQ(CallsTo(TextLibraryCalls(), "QorPcTxtLoad"),
              Calls{"QorPcTxtLoad(0, \"FCUST\", \"DE\", 0, 0)"});
    EXPECT_TRUE(CallsTo(TextLibraryCalls(), "QorPcTxtUnLoad").empty());

    module.Unload();
    EXPECT_EQ(CallsTo(TextLibraryCalls(), "QorPcTxtUnLoad"), Calls{"QorPcTxtUnLoad(handle)"});
}

TEST_F(LoadSequenceTest, FallsBackToEnglishWhenTheDefaultLanguageFails)
{
    SetString(HKEY_CURRENT_USER, QORTEXT_STANDIN_KEY, "Language", "DE");
    FailTextLibrary("QorPcTxtGetDefaultLanguage");
    LoadedModule module;
    ASSERT_TRUE(module);
    EXPECT_EQ(CallsTo(TextLibraryCalls(), "QorPcTxtLoad"),
              Calls{"QorPcTxtLoad(0, \"FCUST\", \"EN\", 0, 0)"});
}

TEST_F(LoadSequenceTest, FailedTextModuleLoadIsNeitherReportedNorUnloaded)
{
    FailTextLibrary("QorPcTxtLoad");
    LoadedModule module;
    ASSERT_TRUE(module);
    module.Unload();
    EXPECT_EQ(CallsTo(TextLibraryCalls(), "QorPcTxtLoad").size(), 1u);
    EXPECT_TRUE(CallsTo(TextLibraryCalls(), "QorPcTxtUnLoad").empty());
}

TEST_F(LoadSequenceTest, InactiveLarkThemeInEitherHiveSkipsTheTextModule)
{
    struct Case {
        HKEY inactiveHive;
        Calls asked;
    };
    const Case cases[] = {
        {HKEY_LOCAL_MACHINE, {"RmIsLarkThemeActiveEx(HKLM)"}},
        {HKEY_CURRENT_USER, {"RmIsLarkThemeActiveEx(HKLM)", "RmIsLarkThemeActiveEx(HKCU)"}},
    };
    for (const Case& c : cases) {
        ResetQorKeys();
        ResetStandIns();
        SetDword(c.inactiveHive, QORRM_STANDIN_KEY, "LarkThemeActive", 0);
        LoadedModule module;
        ASSERT_TRUE(module) << "the module loads all the same";
        EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmIsLarkThemeActiveEx"), c.asked);
        EXPECT_TRUE(CallsTo(TextLibraryCalls(), "QorPcTxtGetDefaultLanguage").empty());
        EXPECT_TRUE(CallsTo(TextLibraryCalls(), "QorPcTxtLoad").empty());
        module.Unload();
        EXPECT_TRUE(CallsTo(TextLibraryCalls(), "QorPcTxtUnLoad").empty());
    }
}

} // namespace

// The store on the real registry: what counts as missing, and the listing of
// subkeys past names too long, seen through the installed themes. Which hive
// answers the manager's and the pages' values is checked through them.
#include "model/InstalledThemes.h"
#include "model/SettingsStore.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

#include <string>

using namespace qortest;

namespace {

using SettingsStoreTest = RegistryTest;

// A string must fit the reader's buffer with its terminator, also when it was
// stored without one; a number is exactly a 32-bit REG_DWORD. A user value
// that counts as missing lets the machine's through.
TEST_F(SettingsStoreTest, ValuesTooLongOrOfAnotherTypeCountAsMissing)
{
    const auto setUser = [](const char* name, DWORD type, const std::string& bytes) {
        SetValue(HKEY_CURRENT_USER, kAppearanceKey, name, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    };
    const auto text = [] { return settings::ReadUserThenMachineString(kAppearanceKey, "Text"); };
    SetString(HKEY_LOCAL_MACHINE, kAppearanceKey, "Text", "machine");
    SetDword(HKEY_LOCAL_MACHINE, kAppearanceKey, "Number", 7);
    const std::pair<std::string, std::string> texts[] = {
        {std::string(255, 'a') + '\0', std::string(255, 'a')}, {std::string(256, 'a') + '\0', "machine"},
        {std::string(255, 'c'), std::string(255, 'c')},        {std::string(256, 'c'), "machine"},
        {std::string("ab\0cd", 5), "ab"},                     {"", ""}};
    for (const auto& [bytes, read] : texts) {
        setUser("Text", REG_SZ, bytes);
        EXPECT_EQ(text(), read) << bytes.size();
    }
    setUser("Text", REG_EXPAND_SZ, std::string("%TEMP%", 7));
    EXPECT_EQ(text(), "%TEMP%") << "taken verbatim";
    SetDword(HKEY_CURRENT_USER, kAppearanceKey, "Text", 1);
    EXPECT_EQ(text(), "machine");

    for (const auto& [type, bytes] : {std::pair{REG_BINARY, std::string(4, '\1')}, {REG_DWORD, std::string(2, '\1')}}) {
        setUser("Number", type, bytes);
        EXPECT_EQ(settings::ReadUserThenMachineNumber(kAppearanceKey, "Number"), 7u) << type;
    }
    SetDword(HKEY_CURRENT_USER, kAppearanceKey, "Number", 0);
    EXPECT_EQ(settings::ReadUserThenMachineNumber(kAppearanceKey, "Number"), 0u) << "a user 0 hides the machine's";
}

// Wine lists subkeys sorted: a name too long for the buffer comes before
// others and must be passed over, not taken for the end of the list. Which
// folders count is seen through the General page.
TEST_F(SettingsStoreTest, InstalledThemesListedPastNamesTooLong)
{
    EXPECT_EQ(InstalledThemes(), std::nullopt) << "no Themes key";
    // Created below the opened Themes key, as long names must be.
    for (const std::string& name : {std::string("Zeta"), std::string(256, 'L'), std::string(255, 'M')})
        ASSERT_TRUE(SetStringUnder(HKEY_CURRENT_USER, kThemesKey, name, "Path", "C:\\windows")) << name;
    EXPECT_EQ(InstalledThemes(), (std::vector<std::string>{std::string(255, 'M'), "Zeta"}));
}

} // namespace

// The themes the pages list: user-hive subkeys with an existing folder, in
// the registry's order (how an entry is matched with a theme name is seen
// through the General page).
#include "model/InstalledThemes.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

using namespace qortest;

namespace {

using Names = std::vector<std::string>;

const char kFolder[] = "C:\\windows", kFile[] = "C:\\windows\\system32\\kernel32.dll";

// Created below the opened Themes key, as long names must be.
void Theme(HKEY hive, const std::string& name, const std::string& path, const char* value = "Path")
{
    ASSERT_TRUE(SetStringUnder(hive, kThemesKey, name, value, path)) << name;
}

using InstalledThemesTest = RegistryTest;

TEST_F(InstalledThemesTest, ListsUserThemesWithAFolderInRegistryOrderPastNamesTooLong)
{
    EXPECT_EQ(InstalledThemes(), std::nullopt) << "no Themes key";
    Theme(HKEY_CURRENT_USER, "Zeta", kFolder);
    Theme(HKEY_CURRENT_USER, std::string(256, 'L'), kFolder);
    Theme(HKEY_CURRENT_USER, std::string(255, 'M'), kFolder);
    Theme(HKEY_CURRENT_USER, "A file", kFile);
    Theme(HKEY_CURRENT_USER, "Gone", std::string(kFolder) + "\\gone");
    Theme(HKEY_CURRENT_USER, "No path", kFolder, "Other");
    Theme(HKEY_CURRENT_USER, "alpha", kFolder);
    Theme(HKEY_LOCAL_MACHINE, "Machine only", kFolder);
    // Wine enumerates subkeys sorted; the list keeps whatever order it gets.
    EXPECT_EQ(InstalledThemes(), (Names{"alpha", std::string(255, 'M'), "Zeta"}));
}

} // namespace

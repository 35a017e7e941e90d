// The themes the pages list: user-hive subkeys with an existing folder, in
// the registry's order (how an entry is matched with a theme name is seen
// through the General page).
#include "framework/RegKey.h"
#include "model/InstalledThemes.h"
#include "model/SettingsStore.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

using namespace qortest;

namespace {

using Names = std::vector<std::string>;

const char kFolder[] = "C:\\windows", kFile[] = "C:\\windows\\system32\\kernel32.dll";

// Created below the opened Themes key: Wine opens no full path of more than
// 260 characters, so long names are reached only this way.
void Theme(HKEY hive, const std::string& name, const std::string& path, const char* value = "Path")
{
    CRegKey themes, theme;
    ASSERT_EQ(themes.Create(hive, kThemesKey, KEY_ALL_ACCESS), ERROR_SUCCESS);
    ASSERT_EQ(theme.Create(themes.Get(), name.c_str(), KEY_ALL_ACCESS), ERROR_SUCCESS);
    settings::WriteString(theme.Get(), value, path);
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

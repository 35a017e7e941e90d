// The themes the pages list: user-hive subkeys with an existing folder, in
// the registry's order, and how a list entry is matched with a theme name.
#include "model/InstalledThemes.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace qortest;

namespace {

using Names = std::vector<std::string>;

class InstalledThemesTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        m_folder = std::string(temp) + "qor-theme-folder";
        m_file = std::string(temp) + "qor-theme-file";
        ::CreateDirectoryA(m_folder.c_str(), nullptr);
        std::fclose(std::fopen(m_file.c_str(), "w"));
    }
    void TearDown() override
    {
        ::RemoveDirectoryA(m_folder.c_str());
        ::DeleteFileA(m_file.c_str());
        RegistryTest::TearDown();
    }
    // Created below the opened Themes key: Wine opens no full path of more
    // than 260 characters, so long names are reached only this way.
    static void Theme(HKEY hive, const std::string& name, const std::string& path, const char* value = "Path")
    {
        HKEY themes = nullptr, theme = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(hive, kThemesKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &themes, nullptr), ERROR_SUCCESS);
        ASSERT_EQ(::RegCreateKeyExA(themes, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &theme, nullptr), ERROR_SUCCESS);
        ::RegSetValueExA(theme, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()), static_cast<DWORD>(path.size() + 1));
        ::RegCloseKey(theme);
        ::RegCloseKey(themes);
    }

    std::string m_folder, m_file;
};

TEST_F(InstalledThemesTest, ListsUserThemesWithAFolderInRegistryOrderPastNamesTooLong)
{
    EXPECT_EQ(InstalledThemes(), std::nullopt) << "no Themes key";
    Theme(HKEY_CURRENT_USER, "Zeta", m_folder);
    Theme(HKEY_CURRENT_USER, std::string(256, 'L'), m_folder);
    Theme(HKEY_CURRENT_USER, std::string(255, 'M'), m_folder);
    Theme(HKEY_CURRENT_USER, "A file", m_file);
    Theme(HKEY_CURRENT_USER, "Gone", m_folder + "\\gone");
    Theme(HKEY_CURRENT_USER, "No path", m_folder, "Other");
    Theme(HKEY_CURRENT_USER, "alpha", m_folder);
    Theme(HKEY_LOCAL_MACHINE, "Machine only", m_folder);
    // Wine enumerates subkeys sorted; the list keeps whatever order it gets.
    EXPECT_EQ(InstalledThemes(), (Names{"alpha", std::string(255, 'M'), "Zeta"}));
}

TEST(ThemeEntryNameTest, CutsBeforeTheDefaultMarkAndComparesInAnyCase)
{
    EXPECT_EQ(ThemeEntryName("Tideway (default) Theme"), "Tideway");
    EXPECT_EQ(ThemeEntryName("Standard Theme"), "Standard Theme");
    EXPECT_TRUE(SameThemeName("TIDEWAY theme", "Tideway Theme"));
    EXPECT_FALSE(SameThemeName("Tideway", "Tideway Theme"));
}

} // namespace

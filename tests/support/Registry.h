// The real registry, reset and seeded per test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace qortest {

extern const char kAppearanceKey[];  // Software\Qor\General\Appearance
extern const char kThemesKey[];      // ...\Themes

// Removes Software\Qor from both hives.
void ResetQorKeys();
void DeleteKeyTree(HKEY hive, const std::string& path);
bool KeyExists(HKEY hive, const std::string& path);
void SetString(HKEY hive, const std::string& path, const char* name, const std::string& value);
void SetDword(HKEY hive, const std::string& path, const char* name, DWORD value);
std::optional<std::string> GetString(HKEY hive, const std::string& path, const char* name);
std::optional<DWORD> GetDword(HKEY hive, const std::string& path, const char* name);
// The stored bytes of a value whatever its type (a string's terminator included).
std::optional<std::string> GetRawValue(HKEY hive, const std::string& path, const char* name,
                                       DWORD* type = nullptr);

// A test that starts and ends with no Software\Qor in either hive.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ResetQorKeys(); }
    void TearDown() override { ResetQorKeys(); }
};

} // namespace qortest

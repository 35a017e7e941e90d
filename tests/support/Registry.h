// The real registry, reset and seeded per test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

namespace qortest {

inline constexpr char kAppearanceKey[] = "Software\\Qor\\General\\Appearance";
inline constexpr char kThemesKey[] = "Software\\Qor\\General\\Appearance\\Themes";

inline void DeleteKeyTree(HKEY hive, const std::string& path)
{
    ::RegDeleteTreeA(hive, path.c_str());
    ::RegDeleteKeyA(hive, path.c_str());
}

// Removes Software\Qor from both hives.
inline void ResetQorKeys()
{
    DeleteKeyTree(HKEY_CURRENT_USER, "Software\\Qor");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "Software\\Qor");
}

inline bool KeyExists(HKEY hive, const std::string& path)
{
    HKEY key = nullptr;
    const bool opened = ::RegOpenKeyExA(hive, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
    return opened && ::RegCloseKey(key) == ERROR_SUCCESS;
}

// Writes the value, creating its key when missing.
inline void SetValue(HKEY hive, const std::string& path, const char* name, DWORD type, const void* data, DWORD size)
{
    EXPECT_EQ(::RegSetKeyValueA(hive, path.c_str(), name, type, data, size), ERROR_SUCCESS)
        << "writing " << path << "\\" << (name ? name : "");
}

inline void SetString(HKEY hive, const std::string& path, const char* name, const std::string& value)
{
    SetValue(hive, path, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

inline void SetDword(HKEY hive, const std::string& path, const char* name, DWORD value)
{
    SetValue(hive, path, name, REG_DWORD, &value, sizeof(value));
}

// A key created volatile: it takes no lasting subkey, so creating one below it fails.
inline void CreateVolatileKey(HKEY hive, const std::string& path)
{
    HKEY key = nullptr;
    ::RegCreateKeyExA(hive, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    ::RegCloseKey(key);
}

// Writes a string into the subkey name of the opened parent, creating both: Wine opens no full key path of
// more than about 260 characters, so long names are reached only this way. True when the value was written.
inline bool SetStringUnder(HKEY hive, const std::string& parent, const std::string& name, const char* value,
                           const std::string& data)
{
    HKEY parentKey = nullptr, key = nullptr;
    LONG result = ::RegCreateKeyExA(hive, parent.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &parentKey, nullptr);
    if (result == ERROR_SUCCESS)
        result = ::RegCreateKeyExA(parentKey, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (result == ERROR_SUCCESS)
        result = ::RegSetValueExA(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                  static_cast<DWORD>(data.size() + 1));
    ::RegCloseKey(key);
    ::RegCloseKey(parentKey);
    return result == ERROR_SUCCESS;
}

// The stored bytes of a value whatever its type (a string's terminator included).
inline std::optional<std::string> GetRawValue(HKEY hive, const std::string& path, const char* name,
                                              DWORD* type = nullptr)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(hive, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD size = 0;
    LONG result = ::RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size);
    std::string data(size, '\0');
    if (result == ERROR_SUCCESS)
        result = ::RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE*>(data.data()), &size);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::optional<std::string>(data.substr(0, size)) : std::nullopt;
}

inline std::optional<std::string> GetString(HKEY hive, const std::string& path, const char* name)
{
    DWORD type = 0;
    const std::optional<std::string> data = GetRawValue(hive, path, name, &type);  // stored with a terminating zero
    return data && type == REG_SZ ? std::optional<std::string>(data->c_str()) : std::nullopt;
}

inline std::optional<DWORD> GetDword(HKEY hive, const std::string& path, const char* name)
{
    DWORD type = 0, value = 0;
    const std::optional<std::string> data = GetRawValue(hive, path, name, &type);
    if (!data || type != REG_DWORD || data->size() != sizeof(value))
        return std::nullopt;
    std::memcpy(&value, data->data(), sizeof(value));
    return value;
}

// A test that starts and ends with no Software\Qor in either hive.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ResetQorKeys(); }
    void TearDown() override { ResetQorKeys(); }
};

} // namespace qortest

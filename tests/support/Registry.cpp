#include "tests/support/Registry.h"

namespace qortest {

const char kAppearanceKey[] = "Software\\Qor\\General\\Appearance";
const char kThemesKey[] = "Software\\Qor\\General\\Appearance\\Themes";

namespace {

// Writes the value, creating its key when missing.
void SetValue(HKEY hive, const std::string& path, const char* name, DWORD type, const void* data,
              DWORD size)
{
    EXPECT_EQ(::RegSetKeyValueA(hive, path.c_str(), name, type, data, size), ERROR_SUCCESS)
        << "writing " << path << "\\" << (name ? name : "");
}

} // namespace

void DeleteKeyTree(HKEY hive, const std::string& path)
{
    ::RegDeleteTreeA(hive, path.c_str());
    ::RegDeleteKeyA(hive, path.c_str());
}

void ResetQorKeys()
{
    DeleteKeyTree(HKEY_CURRENT_USER, "Software\\Qor");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "Software\\Qor");
}

bool KeyExists(HKEY hive, const std::string& path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(hive, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

void SetString(HKEY hive, const std::string& path, const char* name, const std::string& value)
{
    SetValue(hive, path, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void SetDword(HKEY hive, const std::string& path, const char* name, DWORD value)
{
    SetValue(hive, path, name, REG_DWORD, &value, sizeof(value));
}

std::optional<std::string> GetString(HKEY hive, const std::string& path, const char* name)
{
    DWORD type = 0;
    const std::optional<std::string> data = GetRawValue(hive, path, name, &type);
    if (!data || type != REG_SZ)
        return std::nullopt;
    // Stored strings carry their terminating zero; the text ends at the first.
    return std::string(data->c_str());
}

std::optional<DWORD> GetDword(HKEY hive, const std::string& path, const char* name)
{
    DWORD type = 0;
    const std::optional<std::string> data = GetRawValue(hive, path, name, &type);
    DWORD value = 0;
    if (!data || type != REG_DWORD || data->size() != sizeof(value))
        return std::nullopt;
    memcpy(&value, data->data(), sizeof(value));
    return value;
}

std::optional<std::string> GetRawValue(HKEY hive, const std::string& path, const char* name,
                                       DWORD* type)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(hive, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD size = 0;
    std::string data;
    LONG result = ::RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        data.resize(size);
        result = ::RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE*>(data.data()),
                                    &size);
        data.resize(size);
    }
    ::RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    return data;
}

} // namespace qortest

#include "tests/support/Registry.h"

namespace qortest {

const char kAppearanceKey[] = "Software\\Qor\\General\\Appearance";
const char kThemesKey[] = "Software\\Qor\\General\\Appearance\\Themes";

namespace {

HKEY CreateKey(HKEY hive, const std::string& path)
{
    HKEY key = nullptr;
    const LONG result = ::RegCreateKeyExA(hive, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                          nullptr, &key, nullptr);
    EXPECT_EQ(result, ERROR_SUCCESS) << "creating " << path;
    return key;
}

// The value's bytes when its type is wantedType (any type for REG_NONE).
std::optional<std::string> QueryValue(HKEY hive, const std::string& path, const char* name,
                                      DWORD wantedType, DWORD* typeOut = nullptr)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(hive, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    std::optional<std::string> value;
    if (::RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS
        && (type == wantedType || wantedType == REG_NONE)) {
        if (typeOut)
            *typeOut = type;
        std::string data(size, '\0');
        if (::RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()),
                               &size) == ERROR_SUCCESS)
            value = data.substr(0, size);
    }
    ::RegCloseKey(key);
    return value;
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
    HKEY key = CreateKey(hive, path);
    EXPECT_EQ(::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>(value.size() + 1)),
              ERROR_SUCCESS);
    ::RegCloseKey(key);
}

void SetDword(HKEY hive, const std::string& path, const char* name, DWORD value)
{
    HKEY key = CreateKey(hive, path);
    EXPECT_EQ(::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                               sizeof(value)),
              ERROR_SUCCESS);
    ::RegCloseKey(key);
}

std::optional<std::string> GetString(HKEY hive, const std::string& path, const char* name)
{
    std::optional<std::string> data = QueryValue(hive, path, name, REG_SZ);
    // Stored strings carry their terminating zero; the text ends at the first.
    if (data)
        data = data->c_str();
    return data;
}

std::optional<DWORD> GetDword(HKEY hive, const std::string& path, const char* name)
{
    const std::optional<std::string> data = QueryValue(hive, path, name, REG_DWORD);
    if (!data || data->size() != sizeof(DWORD))
        return std::nullopt;
    DWORD value = 0;
    memcpy(&value, data->data(), sizeof(value));
    return value;
}

std::optional<std::string> GetRawValue(HKEY hive, const std::string& path, const char* name,
                                       DWORD* type)
{
    return QueryValue(hive, path, name, REG_NONE, type);
}

} // namespace qortest

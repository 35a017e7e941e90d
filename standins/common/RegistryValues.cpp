#include "standins/common/RegistryValues.h"

#include "framework/RegKey.h"

#include <cstring>

namespace standin {

std::optional<std::string> ReadString(HKEY hive, const std::string& path, const char* name)
{
    std::vector<char> text(kMaxStringBytes);
    DWORD size = kMaxStringBytes;
    if (::RegGetValueA(hive, path.c_str(), name, RRF_RT_REG_SZ, nullptr, text.data(), &size)
        != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(text.data());
}

std::optional<std::string> ReadUserThenMachine(const std::string& path, const char* name)
{
    if (auto user = ReadString(HKEY_CURRENT_USER, path, name))
        return user;
    return ReadString(HKEY_LOCAL_MACHINE, path, name);
}

std::optional<DWORD> ReadDword(HKEY hive, const std::string& path, const char* name)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegGetValueA(hive, path.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size)
        != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool ReadBinary(HKEY hive, const std::string& path, const char* name, void* data, DWORD size)
{
    std::vector<BYTE> stored(size);
    DWORD storedSize = size;
    if (::RegGetValueA(hive, path.c_str(), name, RRF_RT_REG_BINARY, nullptr, stored.data(),
                       &storedSize)
            != ERROR_SUCCESS
        || storedSize != size)
        return false;
    std::memcpy(data, stored.data(), size);
    return true;
}

namespace {

bool WriteValue(HKEY hive, const std::string& path, const char* name, DWORD type,
                const void* data, DWORD size)
{
    CRegKey key;
    return key.Create(hive, path.c_str(), KEY_SET_VALUE) == ERROR_SUCCESS
        && ::RegSetValueExA(key.Get(), name, 0, type, static_cast<const BYTE*>(data), size)
               == ERROR_SUCCESS;
}

} // namespace

bool WriteString(HKEY hive, const std::string& path, const char* name, const std::string& value)
{
    return WriteValue(hive, path, name, REG_SZ, value.c_str(),
                      static_cast<DWORD>(value.size() + 1));
}

bool WriteDword(HKEY hive, const std::string& path, const char* name, DWORD value)
{
    return WriteValue(hive, path, name, REG_DWORD, &value, sizeof(value));
}

bool WriteBinary(HKEY hive, const std::string& path, const char* name, const void* data,
                 DWORD size)
{
    return WriteValue(hive, path, name, REG_BINARY, data, size);
}

bool IsKeyName(const char* name)
{
    return name && *name && !std::strchr(name, '\\');
}

} // namespace standin

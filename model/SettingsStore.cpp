#include "model/SettingsStore.h"

#include "framework/RegKey.h"

namespace settings {

const char kAppearanceKey[] = "Software\\Qor\\General\\Appearance";
const char kThemesKey[] = "Software\\Qor\\General\\Appearance\\Themes";

namespace {

bool IsStringType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

// Runs read on the key in the user hive and, when that finds nothing, in the
// machine hive.
template <class Read>
auto ReadUserThenMachine(const char* path, Read read) -> decltype(read(HKEY{}))
{
    for (HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        CRegKey key;
        if (key.Open(hive, path, KEY_QUERY_VALUE) != ERROR_SUCCESS)
            continue;
        if (auto value = read(key.Get()))
            return value;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> ReadString(HKEY key, const char* name, DWORD bufferSize)
{
    std::string buffer(bufferSize, '\0');
    DWORD type = REG_NONE;
    DWORD size = bufferSize;
    if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                           &size) != ERROR_SUCCESS
        || !IsStringType(type))
        return std::nullopt;
    // The text ends at its first zero. A value stored without one needs room
    // for it all the same: only a full buffer has no zero left.
    const size_t length = buffer.find('\0');
    if (length == std::string::npos)
        return std::nullopt;
    buffer.resize(length);
    return buffer;
}

std::optional<DWORD> ReadNumber(HKEY key, const char* name)
{
    DWORD value = 0;
    DWORD type = REG_NONE;
    DWORD size = sizeof(value);
    if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size)
            != ERROR_SUCCESS
        || type != REG_DWORD || size != sizeof(value))
        return std::nullopt;
    return value;
}

bool WriteString(HKEY key, const char* name, const std::string& text)
{
    return ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1))
           == ERROR_SUCCESS;
}

bool WriteNumber(HKEY key, const char* name, DWORD value)
{
    return ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                            sizeof(value))
           == ERROR_SUCCESS;
}

bool IsSubkeyName(const std::string& name)
{
    return !name.empty() && name.find('\\') == std::string::npos;
}

std::vector<std::string> SubkeyNames(HKEY key, DWORD bufferSize)
{
    std::vector<std::string> names;
    std::string name(bufferSize, '\0');
    for (DWORD index = 0;; ++index) {
        DWORD length = bufferSize;
        const LONG result = ::RegEnumKeyExA(key, index, name.data(), &length, nullptr, nullptr,
                                            nullptr, nullptr);
        if (result == ERROR_MORE_DATA)
            continue;
        if (result != ERROR_SUCCESS)
            return names;
        names.emplace_back(name.data(), length);
    }
}

std::optional<std::string> ReadUserThenMachineString(const char* path, const char* name,
                                                     DWORD bufferSize)
{
    return ReadUserThenMachine(path, [&](HKEY key) { return ReadString(key, name, bufferSize); });
}

std::optional<DWORD> ReadUserThenMachineNumber(const char* path, const char* name)
{
    return ReadUserThenMachine(path, [&](HKEY key) { return ReadNumber(key, name); });
}

bool WriteUserString(const char* path, const char* name, const std::string& text)
{
    CRegKey key;
    return key.Create(HKEY_CURRENT_USER, path, KEY_SET_VALUE) == ERROR_SUCCESS
           && WriteString(key.Get(), name, text);
}

} // namespace settings

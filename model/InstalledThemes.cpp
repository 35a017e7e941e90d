#include "model/InstalledThemes.h"

#include "framework/RegKey.h"
#include "model/SettingsStore.h"
#include "services/MakerLibraries.h"

#include <mbstring.h>
#include <shlwapi.h>

namespace {

const DWORD kThemeNameBufferSize = 256;
const DWORD kPathBufferSize = 260;
const DWORD kSystemDefaultBufferSize = 260;
const char kDefaultSuffix[] = " (default)";

bool HasThemeFolder(HKEY themes, const char* name)
{
    CRegKey theme;
    if (theme.Open(themes, name, KEY_READ) != ERROR_SUCCESS)
        return false;
    const std::optional<std::string> path = settings::ReadString(theme.Get(), "Path", kPathBufferSize);
    return path && ::PathIsDirectoryA(path->c_str());
}

// Theme names compare ignoring letter case, character by character in the
// ANSI code page (multi-byte aware).
bool SameThemeName(const std::string& a, const std::string& b)
{
    return ::_mbsicmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                      reinterpret_cast<const unsigned char*>(b.c_str()))
           == 0;
}

} // namespace

const char kSystemDependent[] = "System Dependent";

std::optional<std::vector<std::string>> InstalledThemes()
{
    CRegKey themes;
    if (themes.Open(HKEY_CURRENT_USER, settings::kThemesKey, KEY_ENUMERATE_SUB_KEYS)
        != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<std::string> names;
    for (const std::string& name : settings::SubkeyNames(themes.Get(), kThemeNameBufferSize)) {
        if (HasThemeFolder(themes.Get(), name.c_str()))
            names.push_back(name);
    }
    return names;
}

std::string ThemeEntryName(const std::string& entryText)
{
    return entryText.substr(0, entryText.find(kDefaultSuffix));
}

int FindThemeEntry(const std::vector<std::string>& entries, const std::string& theme)
{
    for (size_t entry = 0; entry < entries.size(); ++entry) {
        if (SameThemeName(ThemeEntryName(entries[entry]), theme))
            return static_cast<int>(entry);
    }
    return -1;
}

std::string LibraryActiveTheme()
{
    return AskLibraryName(&RmGetActiveTheme);
}

std::string ResolveSystemDependent(const std::string& theme)
{
    if (!SameThemeName(theme, kSystemDependent))
        return theme;
    return settings::ReadUserThenMachineString(settings::kThemesKey, "SystemDefault", kSystemDefaultBufferSize)
        .value_or("");
}

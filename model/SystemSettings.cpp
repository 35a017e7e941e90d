#include "model/SystemSettings.h"

#include "framework/RegKey.h"
#include "model/SettingsStore.h"

#include <shlwapi.h>

namespace {

const char kSystemsSubkey[] = "\\Systems\\";
const char kValueTheme[] = "Theme";
const char kValueActiveColorSetting[] = "ActiveColorSetting";
// Bytes the stored setting name is read into, its terminating zero included.
const DWORD kSettingNameBufferSize = 255;

std::string SystemKeyPath(const std::string& system)
{
    if (!settings::IsSubkeyName(system))
        return {};
    return settings::kAppearanceKey + (kSystemsSubkey + system);
}

} // namespace

CSystemSettings::CSystemSettings(const char* system)
    : m_strKey(SystemKeyPath(system ? system : ""))
{
}

std::string CSystemSettings::ReadActiveColorSetting() const
{
    if (!IsValid())
        return {};
    return settings::ReadUserThenMachineString(m_strKey.c_str(), kValueActiveColorSetting,
                                               kSettingNameBufferSize)
        .value_or("");
}

bool CSystemSettings::Store(const std::string& theme, const std::string& colorSetting) const
{
    CRegKey key;
    return IsValid() && key.Create(HKEY_CURRENT_USER, m_strKey.c_str(), KEY_SET_VALUE) == ERROR_SUCCESS
           && settings::WriteString(key.Get(), kValueTheme, theme)
           && settings::WriteString(key.Get(), kValueActiveColorSetting, colorSetting);
}

bool CSystemSettings::Reset() const
{
    return IsValid() && ::SHDeleteKeyA(HKEY_CURRENT_USER, m_strKey.c_str()) == ERROR_SUCCESS;
}

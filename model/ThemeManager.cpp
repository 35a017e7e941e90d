#include "model/ThemeManager.h"

#include "model/InstalledThemes.h"
#include "model/ScheduleTimer.h"
#include "model/SettingsStore.h"

#include <algorithm>

namespace {

const UINT kSchedulePeriodMs = 5 * 60 * 1000;
const char kDefaultDayStart[] = "08:00";
const char kDefaultDayEnd[] = "18:00";
// Its settings belong to the system and are never written.
const char kHighContrastTheme[] = "High Contrast Theme";

// Buffer sizes of the names read, terminating zero included.
const DWORD kScheduledThemeBufferSize = 260;
const std::size_t kMaxThemeNameLength = 255;
const DWORD kSubkeyNameBufferSize = 256;

// Values of the theme key and of each setting key.
const char kValueActiveColorSetting[] = "ActiveColorSetting";
const char kValueDefaultDayStart[] = "strDefaultDayStart";
const char kValueDefaultDayEnd[] = "strDefaultDayEnd";
const char kValueDisableSetting[] = "DisableSetting";
const char kValuePaletteMain[] = "strPaletteMain";
const char kValuePaletteShift[] = "strPaletteShift";
const char kValueTimeActivated[] = "bTimeActivated";
const char kValueTimeSettings[] = "strTimeSettings";
const char kValueWriteProtected[] = "bWriteProtected";

std::string ResolveThemeName(const char* theme)
{
    std::string name = theme ? std::string(theme).substr(0, kMaxThemeNameLength)
                             : settings::ReadUserThenMachineString(settings::kAppearanceKey,
                                                                   "HueShiftTheme",
                                                                   kScheduledThemeBufferSize)
                                   .value_or("");
    return ResolveSystemDependent(name.empty() ? LibraryActiveTheme() : name);
}

bool ReadFlag(HKEY key, const char* name)
{
    return settings::ReadNumber(key, name).value_or(0) != 0;
}

} // namespace

CThemeManager::CThemeManager()
    : m_pCustomSetting(std::make_unique<CTheme>())
    , m_strDefaultDayStart(kDefaultDayStart)
    , m_strDefaultDayEnd(kDefaultDayEnd)
{
    Load(nullptr, nullptr, HKEY_CURRENT_USER, settings::kThemesKey);
    m_timer = CThreadTimer(kSchedulePeriodMs, ScheduleTimerProc);
}

bool CThemeManager::Load(const char* theme, const char* colorSetting, HKEY hive, const char* root)
{
    const std::string themeName = ResolveThemeName(theme);
    m_strActiveName = colorSetting
                          ? colorSetting
                          : settings::ReadUserThenMachineString(settings::kAppearanceKey,
                                                                "HueShiftColor")
                                .value_or("");
    m_hRootKey = hive;
    m_strThemeKey = std::string(root) + "\\" + themeName;

    CRegKey themeKey;
    if (OpenSettingKey(themeKey, "", KEY_ALL_ACCESS) != ERROR_SUCCESS
        && CreateSettingKey(themeKey, "") != ERROR_SUCCESS)
        return false;
    ReadThemeValues(themeKey.Get());
    themeKey.Close();
    return EnumColorSettings();
}

bool CThemeManager::Reload(const char* theme, const char* colorSetting, HKEY hive,
                           const char* root)
{
    m_pActiveSetting = m_pCustomSetting.get();
    m_arrSettings.clear();
    ++m_nGeneration;
    return Load(theme, colorSetting, hive, root);
}

bool CThemeManager::EnumColorSettings()
{
    CRegKey themeKey;
    if (OpenSettingKey(themeKey, "", KEY_READ) != ERROR_SUCCESS)
        return false;
    const std::string theme = GetThemeName();
    for (const std::string& name : settings::SubkeyNames(themeKey.Get(), kSubkeyNameBufferSize)) {
        if (std::unique_ptr<CTheme> record = LoadColorSetting(theme, name))
            m_arrSettings.push_back(std::move(record));
    }

    if (m_strActiveName.empty())
        m_strActiveName =
            settings::ReadString(themeKey.Get(), kValueActiveColorSetting).value_or("");
    if (!m_strActiveName.empty()) {
        CTheme* named = FindColorSetting(m_strActiveName, theme);
        m_pActiveSetting = named ? named : m_pCustomSetting.get();
    } else {
        if (std::unique_ptr<CTheme> custom = LoadColorSetting(theme, ""))
            m_pCustomSetting->Copy(*custom);
        m_pActiveSetting = m_pCustomSetting.get();
    }
    return true;
}

std::unique_ptr<CTheme> CThemeManager::LoadColorSetting(const std::string& theme,
                                                        const std::string& name) const
{
    CRegKey key;
    if (OpenSettingKey(key, name, KEY_ALL_ACCESS) != ERROR_SUCCESS)
        return nullptr;
    // A key without time settings is no colour setting.
    std::optional<std::string> timeSettings = settings::ReadString(key.Get(), kValueTimeSettings);
    if (!timeSettings)
        return nullptr;
    return std::make_unique<CTheme>(
        theme, name, settings::ReadString(key.Get(), kValuePaletteMain).value_or(""),
        settings::ReadString(key.Get(), kValuePaletteShift).value_or(""),
        ReadFlag(key.Get(), kValueTimeActivated), std::move(*timeSettings),
        ReadFlag(key.Get(), kValueWriteProtected));
}

bool CThemeManager::SaveColorSetting(const CTheme& record)
{
    return WriteColorSetting(record) != SaveResult::Failed;
}

bool CThemeManager::SaveColorSetting(std::unique_ptr<CTheme>& record)
{
    if (!record)
        return false;
    const SaveResult result = WriteColorSetting(*record);
    if (result == SaveResult::Created && !record->m_strName.empty())
        m_arrSettings.push_back(std::move(record));
    return result != SaveResult::Failed;
}

CThemeManager::SaveResult CThemeManager::WriteColorSetting(const CTheme& record)
{
    if (GetThemeName() == kHighContrastTheme)
        return SaveResult::Failed;
    CRegKey key;
    bool created = false;
    if (CreateSettingKey(key, record.m_strName, &created) != ERROR_SUCCESS)
        return SaveResult::Failed;
    const bool written =
        settings::WriteString(key.Get(), kValuePaletteMain, record.GetPaletteMainString())
        && settings::WriteString(key.Get(), kValuePaletteShift, record.GetPaletteShiftString())
        && settings::WriteNumber(key.Get(), kValueTimeActivated, record.m_bTimeActivated)
        && settings::WriteString(key.Get(), kValueTimeSettings, record.m_strTimeSettings)
        && settings::WriteNumber(key.Get(), kValueWriteProtected, record.m_bWriteProtected);
    if (!written)
        return SaveResult::Failed;
    return created ? SaveResult::Created : SaveResult::Overwritten;
}

bool CThemeManager::DeleteColorSetting(CTheme* record, bool fromRegistry)
{
    if (!record)
        return false;
    if (fromRegistry) {
        // The custom setting has no key of its own: deleting "its" key would
        // take the whole theme key.
        const std::optional<std::string> path = SettingKeyPath(record->m_strName);
        if (record->m_strName.empty() || !path
            || ::RegDeleteKeyA(m_hRootKey, path->c_str()) != ERROR_SUCCESS)
            return false;
    }
    const auto listed = FindIdentical(record);
    if (listed != m_arrSettings.end()) {
        if (m_pActiveSetting == record)
            m_pActiveSetting = m_pCustomSetting.get();
        m_arrSettings.erase(listed);
    }
    return true;
}

CTheme* CThemeManager::GetColorSetting(int index) const
{
    if (index < 0 || index >= GetColorSettingCount())
        return nullptr;
    return m_arrSettings[static_cast<std::size_t>(index)].get();
}

bool CThemeManager::SetActiveColorSetting(CTheme* record, bool persist)
{
    if (!Holds(record))
        return false;
    m_pActiveSetting = record;
    if (record == m_pCustomSetting.get())
        SaveColorSetting(*record);
    if (persist) {
        CRegKey themeKey;
        if (CreateSettingKey(themeKey, "") != ERROR_SUCCESS
            || !settings::WriteString(themeKey.Get(), kValueActiveColorSetting, record->m_strName))
            return false;
    }
    return true;
}

void CThemeManager::SetDefaultDayStart(const std::string& text)
{
    SetDefaultDayValue(kValueDefaultDayStart, text, m_strDefaultDayStart);
}

void CThemeManager::SetDefaultDayEnd(const std::string& text)
{
    SetDefaultDayValue(kValueDefaultDayEnd, text, m_strDefaultDayEnd);
}

std::string CThemeManager::GetThemeName() const
{
    const std::size_t separator = m_strThemeKey.rfind('\\');
    return separator == std::string::npos ? m_strThemeKey : m_strThemeKey.substr(separator + 1);
}

void CThemeManager::ApplyScheduleNow()
{
    const bool suspended = m_bScheduleSuspended;
    m_bScheduleSuspended = false;
    ScheduleTimerProc(nullptr, WM_TIMER, m_timer.Id(), ::GetTickCount());
    m_bScheduleSuspended = suspended;
}

std::optional<std::string> CThemeManager::SettingKeyPath(const std::string& name) const
{
    // Without a theme name the theme key would be the themes root itself.
    if (GetThemeName().empty())
        return std::nullopt;
    if (name.empty())
        return m_strThemeKey;
    return settings::IsSubkeyName(name) ? std::optional(m_strThemeKey + "\\" + name) : std::nullopt;
}

LONG CThemeManager::OpenSettingKey(CRegKey& key, const std::string& name, REGSAM access) const
{
    const std::optional<std::string> path = SettingKeyPath(name);
    return path ? key.Open(m_hRootKey, path->c_str(), access) : ERROR_INVALID_NAME;
}

LONG CThemeManager::CreateSettingKey(CRegKey& key, const std::string& name, bool* created) const
{
    const std::optional<std::string> path = SettingKeyPath(name);
    return path ? key.Create(m_hRootKey, path->c_str(), KEY_ALL_ACCESS, created)
                : ERROR_INVALID_NAME;
}

void CThemeManager::ReadThemeValues(HKEY themeKey)
{
    if (std::optional<std::string> start = settings::ReadString(themeKey, kValueDefaultDayStart))
        m_strDefaultDayStart = std::move(*start);
    if (std::optional<std::string> end = settings::ReadString(themeKey, kValueDefaultDayEnd))
        m_strDefaultDayEnd = std::move(*end);
    m_bDisableSetting = ReadFlag(themeKey, kValueDisableSetting);
}

CTheme* CThemeManager::FindColorSetting(const std::string& name, const std::string& theme) const
{
    for (const std::unique_ptr<CTheme>& setting : m_arrSettings)
        if (setting->m_strName == name && setting->m_strTheme == theme)
            return setting.get();
    return nullptr;
}

bool CThemeManager::Holds(const CTheme* record) const
{
    return record && (record == m_pCustomSetting.get() || FindIdentical(record) != m_arrSettings.end());
}

CThemeManager::SettingList::const_iterator CThemeManager::FindIdentical(const CTheme* record) const
{
    return std::find_if(m_arrSettings.begin(), m_arrSettings.end(),
                        [record](const std::unique_ptr<CTheme>& setting) { return setting.get() == record; });
}

void CThemeManager::SetDefaultDayValue(const char* valueName, const std::string& text,
                                       std::string& field)
{
    CRegKey themeKey;
    if (OpenSettingKey(themeKey, "", KEY_ALL_ACCESS) == ERROR_SUCCESS
        && settings::WriteString(themeKey.Get(), valueName, text))
        field = text;
}

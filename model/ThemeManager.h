// The colour settings of one visual theme, as stored under the user's
// Themes\<theme> key: the named settings (one subkey each), the theme's
// unnamed custom setting (values of the theme key itself), which of them is
// active, and the default day start and end of the schedule. Every instance
// runs the 5-minute schedule timer for as long as it lives.
//
// Ownership: the manager owns its listed settings and its custom setting.
// Pointers it hands out (GetColorSetting, GetActiveColorSetting,
// GetCustomSetting) stay valid until the next Reload or until that setting is
// deleted; the custom setting lives as long as the manager. The active
// setting is always a listed setting, the custom setting, or null before the
// first load: never a deleted record.
#pragma once

#include "framework/RegKey.h"
#include "framework/ThreadTimer.h"
#include "model/Theme.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CThemeManager {
public:
    // Loads the scheduled (HueShiftTheme) or active theme from the user's
    // hive, then starts the schedule timer.
    CThemeManager();
    CThemeManager(const CThemeManager&) = delete;
    CThemeManager& operator=(const CThemeManager&) = delete;

    // Loads the settings of theme (null: HueShiftTheme, else the library's
    // active theme; "System Dependent" stands for SystemDefault) with
    // colorSetting active (null: HueShiftColor, else ActiveColorSetting).
    // Creates the theme key when it is missing. False when the theme key
    // cannot be opened or created.
    bool Load(const char* theme, const char* colorSetting, HKEY hive, const char* root);
    // Deletes the listed settings, then Load. Until a load succeeds the
    // custom setting is the active one.
    bool Reload(const char* theme, const char* colorSetting, HKEY hive, const char* root);
    // Changes at every Reload: pointers to listed settings taken under an
    // older generation point at deleted records.
    unsigned GetGeneration() const { return m_nGeneration; }
    // Appends the settings stored under the theme key and chooses the active one.
    bool EnumColorSettings();
    // A new record of the setting stored under name (empty: the custom
    // values of the theme key), or null when the key or its strTimeSettings
    // is missing.
    std::unique_ptr<CTheme> LoadColorSetting(const std::string& theme, const std::string& name) const;

    // Writes a setting under the theme key (the custom setting, empty name,
    // into the theme key itself). Nothing is written for "High Contrast Theme".
    // This overload never takes ownership: for a listed setting, the custom
    // setting or a record the caller keeps.
    bool SaveColorSetting(const CTheme& record);
    // For a new record: when the save created the setting's key, the manager
    // lists the record and takes it (record is left null). Otherwise - the key
    // existed already, the name is empty or the save failed - record stays
    // with the caller.
    bool SaveColorSetting(std::unique_ptr<CTheme>& record);
    // With fromRegistry, deletes the setting's key first and fails, changing
    // nothing, when that fails. Then removes the record from the list and
    // destroys it; a record that is not listed is left alone. True unless
    // the key could not be deleted.
    bool DeleteColorSetting(CTheme* record, bool fromRegistry);

    // Null for an index below 0 or not below the count.
    CTheme* GetColorSetting(int index) const;
    int GetColorSettingCount() const { return static_cast<int>(m_arrSettings.size()); }
    // The listed setting of that exact name and theme, or null.
    CTheme* FindColorSetting(const std::string& name, const std::string& theme) const;

    // Makes a listed setting or the custom setting active (the custom setting
    // is saved on the way); with persist, records it as ActiveColorSetting.
    // A record the manager does not hold is refused: false, nothing changes.
    bool SetActiveColorSetting(CTheme* record, bool persist);
    CTheme* GetActiveColorSetting() const { return m_pActiveSetting; }
    CTheme* GetCustomSetting() const { return m_pCustomSetting.get(); }

    std::string GetDefaultDayStart() const { return m_strDefaultDayStart; }
    std::string GetDefaultDayEnd() const { return m_strDefaultDayEnd; }
    // Stores the text under the theme key; the field changes only when it was written.
    void SetDefaultDayStart(const std::string& text);
    void SetDefaultDayEnd(const std::string& text);

    // DisableSetting of the theme key: the Color Settings page then disables
    // its editing controls.
    bool GetDisableSetting() const { return m_bDisableSetting; }
    // The last part of the theme key.
    std::string GetThemeName() const;

    // Runs the schedule once now, also while it is suspended.
    void ApplyScheduleNow();

    // While set, the schedule timer does nothing. The Color Settings page sets
    // it for its lifetime.
    bool m_bScheduleSuspended = false;

private:
    using SettingList = std::vector<std::unique_ptr<CTheme>>;
    enum class SaveResult { Failed, Overwritten, Created };

    SaveResult WriteColorSetting(const CTheme& record);
    // The key of a setting; none when there is no theme or the name cannot be a subkey.
    std::optional<std::string> SettingKeyPath(const std::string& name) const;
    LONG OpenSettingKey(CRegKey& key, const std::string& name, REGSAM access) const;
    LONG CreateSettingKey(CRegKey& key, const std::string& name, bool* created = nullptr) const;
    void ReadThemeValues(HKEY themeKey);
    bool Holds(const CTheme* record) const;
    SettingList::const_iterator FindIdentical(const CTheme* record) const;
    void SetDefaultDayValue(const char* valueName, const std::string& text, std::string& field);

    HKEY m_hRootKey = nullptr;
    std::string m_strThemeKey;
    std::string m_strActiveName;
    std::unique_ptr<CTheme> m_pCustomSetting;
    SettingList m_arrSettings;
    CTheme* m_pActiveSetting = nullptr;
    std::string m_strDefaultDayStart;
    std::string m_strDefaultDayEnd;
    bool m_bDisableSetting = false;
    unsigned m_nGeneration = 0;
    // Last, so that it stops before the settings go.
    CThreadTimer m_timer;
};

// The colour setting manager on the real registry: which theme and setting it
// loads, what it writes, what it deletes, and that its active setting never
// refers to a record that is gone.
#include "frame/MakerLibraries.h"
#include "model/SettingsStore.h"
#include "model/ThemeManager.h"
#include "standins/qorrm/qorrm_standin.h"
#include "tests/support/Journal.h"
#include "tests/support/Registry.h"
#include "tests/support/StandInTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

using namespace qortest;

namespace {

std::string EveryEntry(const std::string& color)
{
    std::string text;
    for (std::size_t i = 0; i < kPaletteSize; ++i)
        text += color;
    return text;
}

const std::string kWhite = EveryEntry("ffffff");
const std::string kBlack = EveryEntry("000000");

// The five values of a setting key; a missing strTimeSettings makes it no setting.
struct Stored {
    std::string main = kWhite;
    std::string shift = kBlack;
    DWORD timeActivated = 0;
    std::optional<std::string> timeSettings = std::string("Day;08:00;18:00");
    DWORD writeProtected = 0;
};

std::string ThemeKey(const std::string& theme)
{
    return std::string(kThemesKey) + "\\" + theme;
}

std::string SettingKey(const std::string& theme, const std::string& name)
{
    return name.empty() ? ThemeKey(theme) : ThemeKey(theme) + "\\" + name;
}

void Store(const std::string& theme, const std::string& name, const Stored& values = {})
{
    const std::string key = SettingKey(theme, name);
    SetString(HKEY_CURRENT_USER, key, "strPaletteMain", values.main);
    SetString(HKEY_CURRENT_USER, key, "strPaletteShift", values.shift);
    SetDword(HKEY_CURRENT_USER, key, "bTimeActivated", values.timeActivated);
    if (values.timeSettings)
        SetString(HKEY_CURRENT_USER, key, "strTimeSettings", *values.timeSettings);
    SetDword(HKEY_CURRENT_USER, key, "bWriteProtected", values.writeProtected);
}

// The listed names, in the manager's order or sorted.
std::vector<std::string> Names(const CThemeManager& manager, bool sorted = false)
{
    std::vector<std::string> names;
    for (int i = 0; i < manager.GetColorSettingCount(); ++i)
        names.push_back(manager.GetColorSetting(i)->GetName());
    if (sorted)
        std::sort(names.begin(), names.end());
    return names;
}

CTheme* Listed(const CThemeManager& manager, const std::string& name)
{
    for (int i = 0; i < manager.GetColorSettingCount(); ++i)
        if (manager.GetColorSetting(i)->GetName() == name)
            return manager.GetColorSetting(i);
    return nullptr;
}

// The subkeys as the registry enumerates them.
std::vector<std::string> Subkeys(const std::string& path)
{
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof(name);
        if (::RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr)
            != ERROR_SUCCESS)
            break;
        names.push_back(name);
    }
    ::RegCloseKey(key);
    return names;
}

DWORD ValueCount(const std::string& path)
{
    HKEY key = nullptr;
    DWORD count = 0;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                           nullptr, nullptr, nullptr, nullptr);
        ::RegCloseKey(key);
    }
    return count;
}

class ThemeManagerTest : public StandInTest {
protected:
    bool Load(const char* theme, const char* setting = nullptr)
    {
        return m_manager.Reload(theme, setting, HKEY_CURRENT_USER, kThemesKey);
    }

    CThemeManager m_manager;
};

TEST_F(ThemeManagerTest, ConstructionLoadsTheScheduledThemeAndSetting)
{
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Lark");
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", "Dusk");
    Store("Lark", "Dusk", {kBlack, kWhite, 1, "Day;07:00;19:00", 1});
    Store("Lark", "Dawn");
    Store("Lark", "Broken", {kBlack, kBlack, 1, std::nullopt, 0});  // no strTimeSettings

    const CThemeManager manager;
    EXPECT_EQ(manager.GetThemeName(), "Lark");
    std::vector<std::string> listed = Subkeys(ThemeKey("Lark"));
    listed.erase(std::find(listed.begin(), listed.end(), "Broken"));
    EXPECT_EQ(Names(manager), listed) << "the registry's order, without the key lacking strTimeSettings";
    EXPECT_EQ(manager.GetColorSetting(-1), nullptr);
    EXPECT_EQ(manager.GetColorSetting(2), nullptr);

    const CTheme* dusk = manager.GetActiveColorSetting();
    ASSERT_NE(dusk, nullptr);
    EXPECT_EQ(dusk->GetName(), "Dusk");
    EXPECT_EQ(dusk->GetThemeName(), "Lark");
    EXPECT_EQ(dusk->GetPaletteMainString(), kBlack);
    EXPECT_EQ(dusk->GetPaletteShiftString(), kWhite);
    EXPECT_TRUE(dusk->m_bTimeActivated);
    EXPECT_EQ(dusk->GetTimeSettings(), "Day;07:00;19:00");
    EXPECT_TRUE(dusk->m_bWriteProtected);
    EXPECT_TRUE(CallsTo(ThemeLibraryCalls(), "RmGetActiveTheme").empty());
}

TEST_F(ThemeManagerTest, WithoutScheduledThemeTheLibrarysActiveThemeIsCreatedEmpty)
{
    ASSERT_TRUE(Load(nullptr));
    EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmGetActiveTheme"),
              std::vector<std::string>{"RmGetActiveTheme(256)"});
    EXPECT_EQ(m_manager.GetThemeName(), "Standard Theme");
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Standard Theme")));
    EXPECT_EQ(m_manager.GetColorSettingCount(), 0);
    EXPECT_EQ(m_manager.GetActiveColorSetting(), m_manager.GetCustomSetting());

    // An empty HueShiftTheme of the user hides the machine's.
    ResetStandIns();
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "");
    SetString(HKEY_LOCAL_MACHINE, kAppearanceKey, "HueShiftTheme", "Lark");
    ASSERT_TRUE(Load(nullptr));
    EXPECT_EQ(m_manager.GetThemeName(), "Standard Theme");
    EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmGetActiveTheme").size(), 1u);
}

TEST_F(ThemeManagerTest, ScheduledThemeAndSettingOnlyInTheMachineHiveAreHonoured)
{
    SetString(HKEY_LOCAL_MACHINE, kAppearanceKey, "HueShiftTheme", "Lark");
    SetString(HKEY_LOCAL_MACHINE, kAppearanceKey, "HueShiftColor", "Dusk");
    Store("Lark", "Dawn");
    Store("Lark", "Dusk");
    ASSERT_TRUE(Load(nullptr));
    EXPECT_EQ(m_manager.GetThemeName(), "Lark");
    ASSERT_NE(m_manager.GetActiveColorSetting(), nullptr);
    EXPECT_EQ(m_manager.GetActiveColorSetting()->GetName(), "Dusk");

    // The user's values win; one of the wrong type counts as missing.
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", "Dawn");
    SetDword(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", 1);
    ASSERT_TRUE(Load(nullptr));
    EXPECT_EQ(m_manager.GetThemeName(), "Lark");
    EXPECT_EQ(m_manager.GetActiveColorSetting()->GetName(), "Dawn");
}

TEST_F(ThemeManagerTest, SettingsAndActiveNameOnlyInTheMachineHiveAreIgnored)
{
    const std::string machineTheme = ThemeKey("Lark");
    SetString(HKEY_LOCAL_MACHINE, machineTheme, "ActiveColorSetting", "Dusk");
    SetString(HKEY_LOCAL_MACHINE, machineTheme + "\\Dusk", "strTimeSettings", "default");
    SetString(HKEY_LOCAL_MACHINE, machineTheme, "strDefaultDayStart", "05:00");
    Store("Lark", "Dawn");
    ASSERT_TRUE(Load("Lark"));
    EXPECT_EQ(Names(m_manager), std::vector<std::string>{"Dawn"});
    EXPECT_EQ(m_manager.GetActiveColorSetting(), m_manager.GetCustomSetting());
    EXPECT_EQ(m_manager.GetDefaultDayStart(), "08:00");
}

TEST_F(ThemeManagerTest, SystemDependentStandsForTheSystemDefault)
{
    // The library's active theme, with no scheduled theme.
    SetString(HKEY_CURRENT_USER, QORRM_STANDIN_KEY, "ActiveTheme", "System Dependent");
    SetString(HKEY_LOCAL_MACHINE, kThemesKey, "SystemDefault", "Lark");
    Store("Lark", "Dawn");
    ASSERT_TRUE(Load(nullptr));
    EXPECT_EQ(m_manager.GetThemeName(), "Lark");
    EXPECT_EQ(Names(m_manager), std::vector<std::string>{"Dawn"});
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, ThemeKey("System Dependent")));

    // The scheduled theme, in any letter case.
    SetString(HKEY_CURRENT_USER, QORRM_STANDIN_KEY, "ActiveTheme", "Standard Theme");
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "system DEPENDENT");
    ASSERT_TRUE(Load(nullptr));
    EXPECT_EQ(m_manager.GetThemeName(), "Lark");

    ASSERT_TRUE(Load("System Dependent", "Dawn"));
    EXPECT_EQ(m_manager.GetThemeName(), "Lark");
    EXPECT_EQ(m_manager.GetActiveColorSetting()->GetName(), "Dawn");
}

TEST_F(ThemeManagerTest, NoThemeNameLoadsNothingAndWritesNothing)
{
    // "System Dependent" without a SystemDefault, or a library that names no
    // active theme, leaves no theme name; the themes root itself must not be
    // taken for a theme key.
    Store("Lark", "Dawn");
    SetString(HKEY_CURRENT_USER, kThemesKey, "strTimeSettings", "default");
    const DWORD rootValues = ValueCount(kThemesKey);
    const std::vector<std::string> themes = Subkeys(kThemesKey);

    EXPECT_FALSE(Load("System Dependent"));
    EXPECT_EQ(m_manager.GetColorSettingCount(), 0);
    EXPECT_EQ(m_manager.GetActiveColorSetting(), m_manager.GetCustomSetting());
    FailThemeLibrary("RmGetActiveTheme");
    EXPECT_FALSE(Load(nullptr));
    EXPECT_EQ(m_manager.GetThemeName(), "");

    auto record = std::make_unique<CTheme>();
    record->m_strName = "New";
    EXPECT_FALSE(m_manager.SaveColorSetting(record));
    EXPECT_FALSE(m_manager.SetActiveColorSetting(m_manager.GetCustomSetting(), true));
    m_manager.SetDefaultDayStart("06:00");
    EXPECT_EQ(m_manager.GetDefaultDayStart(), "08:00");
    EXPECT_EQ(ValueCount(kThemesKey), rootValues);
    EXPECT_EQ(Subkeys(kThemesKey), themes);
}

TEST_F(ThemeManagerTest, ActiveColorSettingChoosesByExactName)
{
    Store("Lark", "Dawn");
    Store("Lark", "", {kBlack, kBlack, 1, std::string("day;default;default"), 0});  // custom values
    const std::string themeKey = ThemeKey("Lark");

    SetString(HKEY_CURRENT_USER, themeKey, "ActiveColorSetting", "Dawn");
    ASSERT_TRUE(Load("Lark"));
    EXPECT_EQ(m_manager.GetActiveColorSetting(), m_manager.GetColorSetting(0));

    // A name of no setting, or one differing only in case: the custom
    // setting, with the palette it already held.
    for (const char* name : {"Nope", "dawn"}) {
        SetString(HKEY_CURRENT_USER, themeKey, "ActiveColorSetting", name);
        ASSERT_TRUE(Load("Lark"));
        EXPECT_EQ(m_manager.GetActiveColorSetting(), m_manager.GetCustomSetting()) << name;
        EXPECT_EQ(m_manager.GetCustomSetting()->m_paletteMain, CTheme().m_paletteMain) << name;
    }

    // Empty or missing: the custom values of the theme key.
    SetString(HKEY_CURRENT_USER, themeKey, "ActiveColorSetting", "");
    ASSERT_TRUE(Load("Lark"));
    CTheme* custom = m_manager.GetCustomSetting();
    EXPECT_EQ(m_manager.GetActiveColorSetting(), custom);
    EXPECT_EQ(custom->GetPaletteMainString(), kBlack);
    EXPECT_EQ(custom->GetThemeName(), "Lark");
    EXPECT_EQ(custom->GetName(), "");
    EXPECT_EQ(custom->GetTimeSettings(), "day;default;default");
    EXPECT_TRUE(custom->m_bTimeActivated);

    // A setting name given to the load wins over ActiveColorSetting.
    ASSERT_TRUE(Load("Lark", "Dawn"));
    EXPECT_EQ(m_manager.GetActiveColorSetting()->GetName(), "Dawn");
    EXPECT_EQ(m_manager.GetCustomSetting(), custom) << "the custom setting survives every reload";
}

TEST_F(ThemeManagerTest, BadStoredValuesCountAsMissing)
{
    const std::string tooLong(300, 'a');
    Store("Lark", "LongPalette", {tooLong, kBlack + "ab", 1, std::string("default"), 0});
    Store("Lark", "LongTime", {kWhite, kWhite, 0, std::string(256, 'd'), 0});
    Store("Lark", "TypedTime", {kWhite, kWhite, 0, std::nullopt, 0});
    SetDword(HKEY_CURRENT_USER, SettingKey("Lark", "TypedTime"), "strTimeSettings", 1);
    Store("Lark", "TypedFlags");
    SetString(HKEY_CURRENT_USER, SettingKey("Lark", "TypedFlags"), "bTimeActivated", "1");
    SetString(HKEY_CURRENT_USER, SettingKey("Lark", "TypedFlags"), "bWriteProtected", "1");
    SetString(HKEY_CURRENT_USER, ThemeKey("Lark"), "DisableSetting", "1");
    SetDword(HKEY_CURRENT_USER, ThemeKey("Lark"), "strDefaultDayStart", 7);
    SetString(HKEY_CURRENT_USER, ThemeKey("Lark"), "strDefaultDayEnd", tooLong);

    ASSERT_TRUE(Load("Lark"));
    ASSERT_EQ(Names(m_manager, true), (std::vector<std::string>{"LongPalette", "TypedFlags"}));
    const CTheme* longPalette = Listed(m_manager, "LongPalette");
    EXPECT_EQ(longPalette->m_paletteMain, CTheme().m_paletteMain);
    EXPECT_EQ(longPalette->GetPaletteShiftString(), kBlack) << "140 characters parse";
    const CTheme* typedFlags = Listed(m_manager, "TypedFlags");
    EXPECT_FALSE(typedFlags->m_bTimeActivated);
    EXPECT_FALSE(typedFlags->m_bWriteProtected);
    EXPECT_FALSE(m_manager.GetDisableSetting());
    EXPECT_EQ(m_manager.GetDefaultDayStart(), "08:00");
    EXPECT_EQ(m_manager.GetDefaultDayEnd(), "18:00");
}

TEST_F(ThemeManagerTest, ThemeValuesAndDefaultDayTimes)
{
    SetDword(HKEY_CURRENT_USER, ThemeKey("Lark"), "DisableSetting", 2);
    SetString(HKEY_CURRENT_USER, ThemeKey("Lark"), "strDefaultDayStart", "07:30");
    ASSERT_TRUE(Load("Lark"));
    EXPECT_TRUE(m_manager.GetDisableSetting());
    EXPECT_EQ(m_manager.GetDefaultDayStart(), "07:30");
    EXPECT_EQ(m_manager.GetDefaultDayEnd(), "18:00");

    m_manager.SetDefaultDayEnd("20:15");
    EXPECT_EQ(m_manager.GetDefaultDayEnd(), "20:15");
    EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, ThemeKey("Lark"), "strDefaultDayEnd"),
              std::string("20:15", 6));

    // A theme key that has gone cannot be written: the field stays.
    DeleteKeyTree(HKEY_CURRENT_USER, ThemeKey("Lark"));
    m_manager.SetDefaultDayStart("06:00");
    EXPECT_EQ(m_manager.GetDefaultDayStart(), "07:30");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Lark")));

    // Missing values leave the fields as they were.
    ASSERT_TRUE(Load("Nova"));
    EXPECT_EQ(m_manager.GetDefaultDayStart(), "07:30");
    EXPECT_EQ(m_manager.GetDefaultDayEnd(), "20:15");
    EXPECT_FALSE(m_manager.GetDisableSetting());
}

TEST_F(ThemeManagerTest, FailedReloadLeavesTheCustomSettingActive)
{
    Store("Lark", "Dawn");
    ASSERT_TRUE(Load("Lark", "Dawn"));
    ASSERT_EQ(m_manager.GetActiveColorSetting(), m_manager.GetColorSetting(0));

    // Under a volatile key no ordinary theme key can be created.
    const std::string volatileRoot = "Software\\Qor\\VolatileThemes";
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, volatileRoot.c_str(), 0, nullptr,
                                REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegCloseKey(key);
    EXPECT_FALSE(m_manager.Reload("Nova", nullptr, HKEY_CURRENT_USER, volatileRoot.c_str()));
    EXPECT_EQ(m_manager.GetColorSettingCount(), 0);
    EXPECT_EQ(m_manager.GetActiveColorSetting(), m_manager.GetCustomSetting());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, volatileRoot + "\\Nova"));
}

TEST_F(ThemeManagerTest, MissingThemeKeyIsCreatedEmpty)
{
    ASSERT_TRUE(Load("Nova"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Nova")));
    EXPECT_EQ(ValueCount(ThemeKey("Nova")), 0u);
    EXPECT_EQ(m_manager.GetColorSettingCount(), 0);
    EXPECT_EQ(m_manager.GetActiveColorSetting(), m_manager.GetCustomSetting());
}

TEST_F(ThemeManagerTest, SaveWritesTheFiveValues)
{
    Store("Lark", "Dawn");
    ASSERT_TRUE(Load("Lark"));
    CTheme* dawn = m_manager.GetColorSetting(0);
    dawn->SetMainForeground(120, 50, 50);
    dawn->m_bTimeActivated = true;
    dawn->m_strTimeSettings = "Day;09:00;17:00";
    ASSERT_TRUE(m_manager.SaveColorSetting(*dawn));
    EXPECT_EQ(m_manager.GetColorSettingCount(), 1) << "an existing key adds nothing";

    const std::string key = SettingKey("Lark", "Dawn");
    DWORD type = 0;
    EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, key, "strPaletteMain", &type),
              dawn->GetPaletteMainString() + '\0');
    EXPECT_NE(dawn->GetPaletteMainString(), kWhite);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, key, "strPaletteShift"), kBlack);
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, key, "bTimeActivated"), 1u);
    EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, key, "strTimeSettings"),
              std::string("Day;09:00;17:00", 16));
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, key, "bWriteProtected"), 0u);
}

TEST_F(ThemeManagerTest, SavingANewRecordHandsItToTheManagerOnlyForANewKey)
{
    Store("Lark", "Dawn");
    Store("Lark", "Unlisted", {kWhite, kWhite, 0, std::nullopt, 0});
    ASSERT_TRUE(Load("Lark"));

    struct Case {
        const char* name;
        bool saved;
        bool adopted;
        const char* why;
    };
    const Case cases[] = {
        {"Noon", true, true, "a new key: listed, owned by the manager"},
        {"Unlisted", true, false, "a key that existed unlisted: the caller keeps the record"},
        {"DAWN", true, false, "an existing key in other letter case is the same key"},
        {"", true, false, "the custom values go into the theme key"},
        {"a\\b", false, false, "a name that cannot be a key of its own"},
    };
    for (const Case& c : cases) {
        const int before = m_manager.GetColorSettingCount();
        auto record = std::make_unique<CTheme>();
        record->m_strName = c.name;
        const CTheme* saved = record.get();
        EXPECT_EQ(m_manager.SaveColorSetting(record), c.saved) << c.why;
        EXPECT_EQ(record == nullptr, c.adopted) << c.why;
        EXPECT_EQ(m_manager.GetColorSettingCount(), before + (c.adopted ? 1 : 0)) << c.why;
        if (c.adopted) {
            EXPECT_EQ(m_manager.GetColorSetting(before), saved) << c.why;
        }
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, SettingKey("Lark", c.name), "strTimeSettings"),
                  c.saved ? std::optional<std::string>("default") : std::nullopt)
            << c.why;
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, SettingKey("Lark", "a")));

    ASSERT_TRUE(Load("Lark"));
    EXPECT_EQ(m_manager.GetColorSettingCount(), 3);
}

TEST_F(ThemeManagerTest, HighContrastIsNeverWritten)
{
    ASSERT_TRUE(Load("High Contrast Theme"));
    auto record = std::make_unique<CTheme>();
    record->m_strName = "Mine";
    EXPECT_FALSE(m_manager.SaveColorSetting(record));
    EXPECT_NE(record, nullptr);
    EXPECT_FALSE(m_manager.SaveColorSetting(*m_manager.GetCustomSetting()));
    // Making the custom setting active records the choice, not its colours.
    EXPECT_TRUE(m_manager.SetActiveColorSetting(m_manager.GetCustomSetting(), true));
    const std::string themeKey = ThemeKey("High Contrast Theme");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, themeKey + "\\Mine"));
    EXPECT_FALSE(GetString(HKEY_CURRENT_USER, themeKey, "strPaletteMain"));
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, themeKey, "ActiveColorSetting"), "");

    // The name is compared with case.
    ASSERT_TRUE(Load("high contrast theme"));
    EXPECT_TRUE(m_manager.SaveColorSetting(*m_manager.GetCustomSetting()));
}

TEST_F(ThemeManagerTest, DeleteRemovesTheKeyAndTheRecord)
{
    Store("Lark", "Dawn");
    Store("Lark", "Dusk");
    Store("Lark", "Noon");
    SetString(HKEY_CURRENT_USER, SettingKey("Lark", "Noon") + "\\Child", "x", "y");
    ASSERT_TRUE(Load("Lark", "Dawn"));
    ASSERT_EQ(Names(m_manager, true), (std::vector<std::string>{"Dawn", "Dusk", "Noon"}));
    CTheme* dawn = Listed(m_manager, "Dawn");
    CTheme* dusk = Listed(m_manager, "Dusk");
    CTheme* noon = Listed(m_manager, "Noon");
    ASSERT_EQ(m_manager.GetActiveColorSetting(), dawn);

    // A key with a subkey cannot be deleted: nothing changes.
    EXPECT_FALSE(m_manager.DeleteColorSetting(noon, true));
    EXPECT_EQ(Listed(m_manager, "Noon"), noon);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, SettingKey("Lark", "Noon")));

    // Only from the list: the key stays.
    EXPECT_TRUE(m_manager.DeleteColorSetting(dusk, false));
    EXPECT_EQ(Names(m_manager, true), (std::vector<std::string>{"Dawn", "Noon"}));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, SettingKey("Lark", "Dusk")));

    // The active one: the custom setting takes its place.
    EXPECT_TRUE(m_manager.DeleteColorSetting(dawn, true));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, SettingKey("Lark", "Dawn")));
    EXPECT_EQ(Names(m_manager), std::vector<std::string>{"Noon"});
    EXPECT_EQ(m_manager.GetActiveColorSetting(), m_manager.GetCustomSetting());

    // A record the manager does not list is not destroyed.
    CTheme own;
    own.m_strName = "Dusk";
    EXPECT_TRUE(m_manager.DeleteColorSetting(&own, true));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, SettingKey("Lark", "Dusk")));
    EXPECT_EQ(own.GetName(), "Dusk");
    EXPECT_FALSE(m_manager.DeleteColorSetting(nullptr, false));
}

TEST_F(ThemeManagerTest, TheCustomSettingIsNeverDeleted)
{
    Store("Lark", "", {kBlack, kBlack, 0, std::string("default"), 0});
    ASSERT_TRUE(Load("Lark"));
    CTheme* custom = m_manager.GetCustomSetting();
    // It has no key of its own: deleting "its key" would take the theme's.
    EXPECT_FALSE(m_manager.DeleteColorSetting(custom, true));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Lark")));
    EXPECT_TRUE(m_manager.DeleteColorSetting(custom, false));
    EXPECT_EQ(m_manager.GetCustomSetting(), custom);
    EXPECT_EQ(custom->GetPaletteMainString(), kBlack);
}

TEST_F(ThemeManagerTest, SetActiveColorSetting)
{
    Store("Lark", "Dawn");
    ASSERT_TRUE(Load("Lark"));
    const std::string themeKey = ThemeKey("Lark");
    CTheme* dawn = m_manager.GetColorSetting(0);

    EXPECT_TRUE(m_manager.SetActiveColorSetting(dawn, false));
    EXPECT_EQ(m_manager.GetActiveColorSetting(), dawn);
    EXPECT_FALSE(GetString(HKEY_CURRENT_USER, themeKey, "ActiveColorSetting"));

    EXPECT_TRUE(m_manager.SetActiveColorSetting(dawn, true));
    EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, themeKey, "ActiveColorSetting"),
              std::string("Dawn", 5));

    // The custom setting is saved into the theme key on the way.
    CTheme* custom = m_manager.GetCustomSetting();
    custom->SetMainBackground(0, 100, 100);
    EXPECT_TRUE(m_manager.SetActiveColorSetting(custom, true));
    EXPECT_EQ(m_manager.GetActiveColorSetting(), custom);
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, themeKey, "ActiveColorSetting"), "");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, themeKey, "strPaletteMain"),
              custom->GetPaletteMainString());

    // A record the manager does not hold would outlive its owner as the
    // active setting: refused.
    CTheme own;
    EXPECT_FALSE(m_manager.SetActiveColorSetting(&own, true));
    EXPECT_FALSE(m_manager.SetActiveColorSetting(nullptr, false));
    EXPECT_EQ(m_manager.GetActiveColorSetting(), custom);

    ASSERT_TRUE(Load("Lark"));
    EXPECT_EQ(m_manager.GetActiveColorSetting(), custom);
    EXPECT_EQ(custom->m_paletteMain[22], (HsbColor{0, 100, 100}));
}

TEST_F(ThemeManagerTest, ApplyScheduleNowKeepsTheSuspension)
{
    for (bool suspended : {false, true}) {
        m_manager.m_bScheduleSuspended = suspended;
        m_manager.ApplyScheduleNow();
        EXPECT_EQ(m_manager.m_bScheduleSuspended, suspended);
    }
}

TEST(LibraryColors, CarryTheSameReferences)
{
    CTheme theme;
    ColorList colors = {};
    theme.GetShiftColors(colors);
    const std::array<COLORREF, QORRM_COLOR_COUNT> library = ToLibraryColors(colors);
    for (std::size_t i = 0; i < kPaletteSize; ++i)
        EXPECT_EQ(library[i], colors[i]) << i;
    EXPECT_EQ(library[0], RGB(0x9b, 0x9a, 0x8f));
}

} // namespace

// The colour setting manager on the real registry: which theme and setting it
// loads, what it writes, what it deletes, and that its active setting never
// refers to a record that is gone.
#include "frame/qorthmcust.h"
#include "model/ThemeManager.h"
#include "services/Globals.h"
#include "standins/qorrm/qorrm_standin.h"
#include "tests/support/Journal.h"
#include "tests/support/StandInTest.h"
#include "tests/support/Themes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qortest;

namespace {

const std::string kWhite(138, 'f');  // 23 times "ffffff"
const std::string kBlack(138, '0');

// A scheduled setting (the custom values for an empty name).
void Store(const std::string& theme, const std::string& name, const char* timeSettings = "Day;08:00;18:00",
           const std::string& main = kWhite)
{
    StoreSetting(theme, name, main, kBlack, 1, timeSettings);
}

class ThemeManagerTest : public StandInTest {
protected:
    bool Load(const char* theme, const char* setting = nullptr)
    {
        return m_manager.Reload(theme, setting, HKEY_CURRENT_USER, kThemesKey);
    }
    CTheme* Listed(const std::string& name) const
    {
        for (int i = 0; CTheme* setting = m_manager.GetColorSetting(i); ++i)
            if (setting->GetName() == name)
                return setting;
        return nullptr;
    }
    bool CustomIsActive() const { return m_manager.GetActiveColorSetting() == m_manager.GetCustomSetting(); }

    CThemeManager m_manager;
};

// HueShiftTheme and HueShiftColor come from the user, else the machine (the
// constructor and QorThemeReinit load them); with no theme named, the
// library's active one, whose missing key is created empty. What a theme key
// holds is read from the user hive only; a setting key without a string
// strTimeSettings is none.
TEST_F(ThemeManagerTest, WhichThemeAndSettingEachHiveGives)
{
    ASSERT_TRUE(Load(nullptr));
    EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmGetActiveTheme"),
              std::vector<std::string>{"RmGetActiveTheme(256)"});
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Standard Theme")));
    EXPECT_EQ(m_manager.GetColorSettingCount(), 0);
    EXPECT_TRUE(CustomIsActive());

    SetString(HKEY_LOCAL_MACHINE, kAppearanceKey, "HueShiftTheme", "Lark");
    SetString(HKEY_LOCAL_MACHINE, kAppearanceKey, "HueShiftColor", "Dusk");
    StoreSetting("Lark", "Dusk", kBlack, kBlack, 1, "Day;07:00;19:00", 1);
    Store("Lark", "Dawn");
    Store("Lark", "Untimed", nullptr);
    SetDword(HKEY_CURRENT_USER, ThemeKey("Lark", "Untimed"), "strTimeSettings", 1);
    SetString(HKEY_LOCAL_MACHINE, ThemeKey("Lark", "Noon"), "strTimeSettings", "default");
    const CThemeManager manager;
    EXPECT_EQ(manager.GetThemeName(), "Lark");
    EXPECT_EQ(manager.GetColorSettingCount(), 2);
    EXPECT_TRUE(manager.GetColorSetting(-1) == nullptr && manager.GetColorSetting(2) == nullptr);
    const CTheme* dusk = manager.GetActiveColorSetting();
    ASSERT_NE(dusk, nullptr);
    EXPECT_EQ(dusk->GetThemeName() + "/" + dusk->GetName() + "/" + dusk->GetTimeSettings(),
              "Lark/Dusk/Day;07:00;19:00");
    EXPECT_EQ(dusk->GetPaletteMainString() + dusk->GetPaletteShiftString(), kBlack + kBlack);
    EXPECT_TRUE(dusk->m_bTimeActivated && dusk->m_bWriteProtected);

    // QorThemeReinit reloads the process-wide manager: the user's value wins,
    // one of the wrong type counts as missing.
    const auto scheduled = [] {
        QorThemeReinit();
        return g_themeManager.GetThemeName() + "/" + g_themeManager.GetActiveColorSetting()->GetName();
    };
    EXPECT_EQ(scheduled(), "Lark/Dusk");
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", "Dawn");
    SetDword(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", 1);
    EXPECT_EQ(scheduled(), "Lark/Dawn");
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", "");
    EXPECT_EQ(scheduled(), "Lark/");
}

TEST_F(ThemeManagerTest, SystemDependentStandsForTheSystemDefault)
{
    SetString(HKEY_CURRENT_USER, QORRM_STANDIN_KEY, "ActiveTheme", "system DEPENDENT");
    SetString(HKEY_LOCAL_MACHINE, kThemesKey, "SystemDefault", "Lark");
    Store("Lark", "Dawn");
    ASSERT_TRUE(Load(nullptr, "Dawn"));
    EXPECT_EQ(m_manager.GetThemeName(), "Lark");
    EXPECT_EQ(m_manager.GetActiveColorSetting(), Listed("Dawn"));

    // Without a SystemDefault, or with a library naming no theme, there is no
    // theme: the themes root is not taken for a theme key, read or written.
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kThemesKey);
    SetString(HKEY_CURRENT_USER, kThemesKey, "strTimeSettings", "default");
    EXPECT_FALSE(Load("System Dependent"));
    EXPECT_FALSE(m_manager.SaveColorSetting(*m_manager.GetCustomSetting()));
    EXPECT_FALSE(m_manager.SetActiveColorSetting(m_manager.GetCustomSetting(), true));
    EXPECT_FALSE(GetString(HKEY_CURRENT_USER, kThemesKey, "ActiveColorSetting"));
    FailThemeLibrary("RmGetActiveTheme");
    EXPECT_FALSE(Load(nullptr));
}

// A name of no setting, or one differing only in case, gives the custom
// setting with the palette it already held; an empty name the custom values
// of the theme key.
TEST_F(ThemeManagerTest, ActiveColorSettingChoosesByExactName)
{
    Store("Lark", "Dawn");
    Store("Lark", "", "day;default;default", kBlack);
    const std::string held = CTheme().GetPaletteMainString();
    const struct {
        const char *stored, *active;
        std::string palette;
    } cases[] = {{"Dawn", "Dawn/Day;08:00;18:00", kWhite}, {"Nope", "/default", held}, {"dawn", "/default", held},
                 {"", "/day;default;default", kBlack}};
    for (const auto& c : cases) {
        SetString(HKEY_CURRENT_USER, ThemeKey("Lark"), "ActiveColorSetting", c.stored);
        ASSERT_TRUE(Load("Lark"));
        const CTheme* active = m_manager.GetActiveColorSetting();
        EXPECT_EQ(active->GetName() + "/" + active->GetTimeSettings(), c.active);
        EXPECT_EQ(active->GetPaletteMainString(), c.palette) << c.stored;
        EXPECT_EQ(active == Listed("Dawn"), c.stored == std::string("Dawn")) << c.stored;
    }
}

// A save over an existing key writes the five values and lists nothing new.
// A new record is handed to the manager only when its save created the key;
// otherwise (a key that existed unlisted, the custom values in the theme key)
// the caller keeps it.
TEST_F(ThemeManagerTest, SaveWritesTheFiveValuesAndTakesOnlyRecordsOfNewKeys)
{
    Store("Lark", "Dawn");
    Store("Lark", "Unlisted", nullptr);
    ASSERT_TRUE(Load("Lark"));
    CTheme* dawn = Listed("Dawn");
    dawn->SetMainForeground(120, 50, 50);
    dawn->m_bWriteProtected = true;
    dawn->m_strTimeSettings = "Day;09:00;17:00";
    ASSERT_TRUE(m_manager.SaveColorSetting(*dawn));
    const std::string key = ThemeKey("Lark", "Dawn");
    EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, key, "strPaletteMain"), dawn->GetPaletteMainString() + '\0');
    EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, key, "strTimeSettings"), std::string("Day;09:00;17:00", 16));
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, key, "bWriteProtected"), 1u);

    for (const std::string name : {"Noon", "Unlisted", ""}) {
        const bool newKey = name == "Noon";
        auto record = std::make_unique<CTheme>();
        record->m_strName = name;
        const CTheme* saved = record.get();
        EXPECT_TRUE(m_manager.SaveColorSetting(record)) << name;
        EXPECT_EQ(record == nullptr, newKey) << name;
        EXPECT_EQ(Listed(name) == saved, newKey) << name;
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, ThemeKey("Lark", name), "strTimeSettings"), "default") << name;
    }
    EXPECT_EQ(m_manager.GetColorSettingCount(), 2) << "Dawn and Noon";
    // A name holding a backslash would address another key: refused, kept.
    auto nested = std::make_unique<CTheme>();
    nested->m_strName = "Dawn\\Nested";
    EXPECT_FALSE(m_manager.SaveColorSetting(nested));
    EXPECT_NE(nested, nullptr);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Lark", "Dawn\\Nested")));
    ASSERT_TRUE(Load("Lark"));
    EXPECT_EQ(m_manager.GetColorSettingCount(), 3) << "Unlisted is listed now";
}

TEST_F(ThemeManagerTest, HighContrastIsNeverWritten)
{
    ASSERT_TRUE(Load("High Contrast Theme"));
    auto record = std::make_unique<CTheme>();
    record->m_strName = "Mine";
    EXPECT_FALSE(m_manager.SaveColorSetting(record));
    EXPECT_NE(record, nullptr);
    // Making the custom setting active records the choice, not its colours.
    EXPECT_TRUE(m_manager.SetActiveColorSetting(m_manager.GetCustomSetting(), true));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, ThemeKey("High Contrast Theme", "Mine")));
    EXPECT_FALSE(GetString(HKEY_CURRENT_USER, ThemeKey("High Contrast Theme"), "strPaletteMain"));
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, ThemeKey("High Contrast Theme"), "ActiveColorSetting"), "");
    // The name is compared with case.
    ASSERT_TRUE(Load("high contrast theme"));
    EXPECT_TRUE(m_manager.SaveColorSetting(*m_manager.GetCustomSetting()));
}

// The theme key itself holds the persisted active name, the custom values (saved
// when the custom setting is made active), the day times and DisableSetting:
// the user's only, the machine's theme key holds decoys.
TEST_F(ThemeManagerTest, TheThemeKeyHoldsTheActiveNameCustomValuesAndDayTimes)
{
    Store("Lark", "Dawn");
    for (const char* name : {"ActiveColorSetting", "strDefaultDayStart", "strDefaultDayEnd"})
        SetString(HKEY_LOCAL_MACHINE, ThemeKey("Lark"), name, name[0] == 'A' ? "Dawn" : "06:00");
    SetDword(HKEY_LOCAL_MACHINE, ThemeKey("Lark"), "DisableSetting", 1);
    ASSERT_TRUE(Load("Lark"));
    EXPECT_TRUE(CustomIsActive());
    EXPECT_FALSE(m_manager.GetDisableSetting());
    EXPECT_EQ(m_manager.GetDefaultDayStart() + "-" + m_manager.GetDefaultDayEnd(), "08:00-18:00");

    SetDword(HKEY_CURRENT_USER, ThemeKey("Lark"), "DisableSetting", 2);
    SetString(HKEY_CURRENT_USER, ThemeKey("Lark"), "strDefaultDayStart", "07:30");
    ASSERT_TRUE(Load("Lark"));
    EXPECT_TRUE(m_manager.GetDisableSetting());
    EXPECT_TRUE(m_manager.SetActiveColorSetting(Listed("Dawn"), true));
    EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, ThemeKey("Lark"), "ActiveColorSetting"), std::string("Dawn", 5));
    CTheme* custom = m_manager.GetCustomSetting();
    custom->SetMainBackground(0, 100, 100);
    EXPECT_TRUE(m_manager.SetActiveColorSetting(custom, false));
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, ThemeKey("Lark"), "strPaletteMain"), custom->GetPaletteMainString());
    m_manager.SetDefaultDayEnd("20:15");
    EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, ThemeKey("Lark"), "strDefaultDayEnd"), std::string("20:15", 6));
    // A theme without day times leaves them as they were.
    ASSERT_TRUE(Load("Nova"));
    EXPECT_EQ(m_manager.GetDefaultDayStart() + "-" + m_manager.GetDefaultDayEnd(), "07:30-20:15");
}

// Wine opens no full key path of more than about 260 characters and no
// subkey name of more than 256: such themes and settings need not be found,
// but nothing is lost or left half-done, and the settings beside them stay.
TEST_F(ThemeManagerTest, OverlongThemeAndSettingNamesAreHandledSafely)
{
    Store("Lark", "Dawn");
    Store("Lark", "Zeta");
    for (std::size_t length : {255, 256, 259}) {
        const std::string name(length, 'N');
        // A setting of that name, created relative to the opened theme key.
        SetStringUnder(HKEY_CURRENT_USER, ThemeKey("Lark"), name, "strTimeSettings", "default");
        SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", name);
        ASSERT_TRUE(Load("Lark")) << length;
        EXPECT_TRUE(Listed("Dawn") && Listed("Zeta")) << length;
        EXPECT_EQ(m_manager.GetActiveColorSetting()->GetName(), Listed(name) ? name : "") << length;

        auto record = std::make_unique<CTheme>();
        record->m_strName = std::string(length, 'S');
        m_manager.SaveColorSetting(record);
        EXPECT_EQ(record == nullptr, Listed(std::string(length, 'S')) != nullptr) << length << ": listed or kept";

        // A theme of that name, given or scheduled: where its key cannot be
        // opened or created, the custom setting is active, not the last one.
        SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", name);
        for (const char* theme : {name.c_str(), static_cast<const char*>(nullptr)}) {
            ASSERT_TRUE(Load("Lark", "Dawn"));
            const bool loaded = Load(theme);
            EXPECT_TRUE(CustomIsActive()) << length;
            EXPECT_EQ(m_manager.SaveColorSetting(*m_manager.GetCustomSetting()), loaded) << length;
        }
    }
}

// Deleting the active setting leaves the custom setting active; the manager
// never destroys or makes active what it does not hold, and the custom
// setting has no key of its own (deleting "its key" would take the theme's).
TEST_F(ThemeManagerTest, DeleteRemovesTheKeyAndTheRecordButNothingItDoesNotOwn)
{
    for (const char* name : {"Dawn", "Dusk", "Noon"})
        Store("Lark", name);
    SetString(HKEY_CURRENT_USER, ThemeKey("Lark", "Noon") + "\\Child", "x", "y");
    ASSERT_TRUE(Load("Lark", "Dawn"));
    CTheme* noon = Listed("Noon");
    EXPECT_FALSE(m_manager.DeleteColorSetting(noon, true)) << "a key with a subkey cannot be deleted";
    EXPECT_EQ(Listed("Noon"), noon);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Lark", "Noon")));
    EXPECT_TRUE(m_manager.DeleteColorSetting(Listed("Dusk"), false));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Lark", "Dusk")));
    EXPECT_TRUE(m_manager.DeleteColorSetting(Listed("Dawn"), true));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Lark", "Dawn")));
    EXPECT_EQ(m_manager.GetColorSettingCount(), 1);
    EXPECT_TRUE(CustomIsActive());

    CTheme own;
    own.m_strName = "Dusk";
    EXPECT_FALSE(m_manager.SetActiveColorSetting(&own, false));
    EXPECT_TRUE(m_manager.DeleteColorSetting(&own, true));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Lark", "Dusk")));
    EXPECT_FALSE(m_manager.DeleteColorSetting(nullptr, false));
    CTheme* custom = m_manager.GetCustomSetting();
    EXPECT_FALSE(m_manager.DeleteColorSetting(custom, true));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Lark")));
    EXPECT_TRUE(m_manager.DeleteColorSetting(custom, false));
    EXPECT_EQ(m_manager.GetCustomSetting(), custom);
}

} // namespace

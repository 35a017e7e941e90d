// The colour setting manager on the real registry: which theme and setting it
// loads, what it writes, what it deletes, and that its active setting never
// refers to a record that is gone.
#include "model/ThemeManager.h"
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

// HueShiftTheme and HueShiftColor come from the user, else the machine; with
// no theme named, the library's active one, whose missing key is created
// empty. What a theme key holds (settings, active name, day times,
// DisableSetting) is the user's only: the machine's holds decoys. A setting
// key without strTimeSettings is none; a theme without day times leaves them.
TEST_F(ThemeManagerTest, WhichThemeSettingAndValuesEachHiveGives)
{
    ASSERT_TRUE(Load(nullptr));
    EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmGetActiveTheme"), std::vector<std::string>{"RmGetActiveTheme(256)"});
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Standard Theme")));
    EXPECT_TRUE(m_manager.GetColorSettingCount() == 0 && CustomIsActive());

    Store("Lark", "Dawn");
    for (const char* name : {"ActiveColorSetting", "strDefaultDayStart", "strDefaultDayEnd"})
        SetString(HKEY_LOCAL_MACHINE, ThemeKey("Lark"), name, name[0] == 'A' ? "Dawn" : "06:00");
    SetDword(HKEY_LOCAL_MACHINE, ThemeKey("Lark"), "DisableSetting", 1);
    ASSERT_TRUE(Load("Lark"));
    EXPECT_TRUE(CustomIsActive() && !m_manager.GetDisableSetting());
    EXPECT_EQ(m_manager.GetDefaultDayStart() + "-" + m_manager.GetDefaultDayEnd(), "08:00-18:00");
    SetDword(HKEY_CURRENT_USER, ThemeKey("Lark"), "DisableSetting", 2);
    SetString(HKEY_CURRENT_USER, ThemeKey("Lark"), "strDefaultDayStart", "07:30");
    ASSERT_TRUE(Load("Lark"));
    EXPECT_TRUE(m_manager.GetDisableSetting());
    m_manager.SetDefaultDayEnd("20:15");
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, ThemeKey("Lark"), "strDefaultDayEnd"), "20:15");
    ASSERT_TRUE(Load("Nova"));
    EXPECT_EQ(m_manager.GetDefaultDayStart() + "-" + m_manager.GetDefaultDayEnd(), "07:30-20:15");

    SetString(HKEY_LOCAL_MACHINE, kAppearanceKey, "HueShiftTheme", "Lark");
    SetString(HKEY_LOCAL_MACHINE, kAppearanceKey, "HueShiftColor", "Dusk");
    StoreSetting("Lark", "Dusk", kBlack, kBlack, 1, "Day;07:00;19:00", 1);
    Store("Lark", "Untimed", nullptr);
    SetString(HKEY_LOCAL_MACHINE, ThemeKey("Lark", "Noon"), "strTimeSettings", "default");
    const CThemeManager manager;
    EXPECT_TRUE(manager.GetColorSettingCount() == 2 && !manager.GetColorSetting(-1) && !manager.GetColorSetting(2));
    const CTheme* dusk = manager.GetActiveColorSetting();
    EXPECT_EQ(dusk->GetThemeName() + "/" + dusk->GetName() + "/" + dusk->GetTimeSettings(), "Lark/Dusk/Day;07:00;19:00");
    EXPECT_TRUE(dusk->GetPaletteMainString() == kBlack && dusk->m_bTimeActivated && dusk->m_bWriteProtected);
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", "");
    ASSERT_TRUE(Load(nullptr));
    EXPECT_TRUE(m_manager.GetThemeName() == "Lark" && CustomIsActive()) << "the user's empty name hides the machine's";
}

// Without a SystemDefault, or with a library naming no theme, there is no
// theme: the themes root is not taken for a theme key, read or written.
TEST_F(ThemeManagerTest, SystemDependentStandsForTheSystemDefault)
{
    SetString(HKEY_CURRENT_USER, QORRM_STANDIN_KEY, "ActiveTheme", "system DEPENDENT");
    SetString(HKEY_LOCAL_MACHINE, kThemesKey, "SystemDefault", "Lark");
    Store("Lark", "Dawn");
    ASSERT_TRUE(Load(nullptr, "Dawn"));
    EXPECT_TRUE(m_manager.GetThemeName() == "Lark" && m_manager.GetActiveColorSetting() == Listed("Dawn"));

    DeleteKeyTree(HKEY_LOCAL_MACHINE, kThemesKey);
    SetString(HKEY_CURRENT_USER, kThemesKey, "strTimeSettings", "default");
    EXPECT_FALSE(Load("System Dependent"));
    EXPECT_FALSE(m_manager.SetActiveColorSetting(m_manager.GetCustomSetting(), true));
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
    const struct { const char *stored, *active; std::string palette; } cases[] = {{"Dawn", "Dawn/Day;08:00;18:00", kWhite},
        {"Nope", "/default", held}, {"dawn", "/default", held}, {"", "/day;default;default", kBlack}};
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
// the caller keeps it. A name holding a backslash would address another key.
TEST_F(ThemeManagerTest, SaveWritesTheFiveValuesTakesOnlyRecordsOfNewKeysAndNeverHighContrast)
{
    Store("Lark", "Dawn");
    Store("Lark", "Unlisted", nullptr);
    ASSERT_TRUE(Load("Lark"));
    CTheme* dawn = Listed("Dawn");
    dawn->SetMainForeground(120, 50, 50);
    dawn->m_bWriteProtected = true;
    ASSERT_TRUE(m_manager.SaveColorSetting(*dawn));
    EXPECT_EQ(GetRawValue(HKEY_CURRENT_USER, ThemeKey("Lark", "Dawn"), "strPaletteMain"), dawn->GetPaletteMainString() + '\0');
    EXPECT_EQ(GetDword(HKEY_CURRENT_USER, ThemeKey("Lark", "Dawn"), "bWriteProtected"), 1u);

    for (const std::string name : {"Noon", "Unlisted", "", "Dawn\\Nested"}) {
        const bool newKey = name == "Noon", nested = name == "Dawn\\Nested";
        auto record = std::make_unique<CTheme>("Lark", name, "", "", false, "default", false);
        const CTheme* saved = record.get();
        EXPECT_EQ(m_manager.SaveColorSetting(record), !nested) << name;
        EXPECT_EQ(record == nullptr, newKey) << name;
        EXPECT_EQ(Listed(name) == saved, newKey) << name;
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, ThemeKey("Lark", name), "strTimeSettings").value_or("-"),
                  nested ? "-" : "default") << name;
    }
    ASSERT_TRUE(Load("Lark"));
    EXPECT_EQ(m_manager.GetColorSettingCount(), 3) << "Unlisted is listed now";

    // The high-contrast theme's settings belong to the system: never written
    // (its name compared with case); making its custom setting active
    // records only the choice.
    ASSERT_TRUE(Load("High Contrast Theme"));
    auto custom = std::make_unique<CTheme>();
    EXPECT_TRUE(!m_manager.SaveColorSetting(custom) && custom) << "refused and kept";
    EXPECT_TRUE(m_manager.SetActiveColorSetting(m_manager.GetCustomSetting(), true));
    EXPECT_FALSE(GetString(HKEY_CURRENT_USER, ThemeKey("High Contrast Theme"), "strPaletteMain"));
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, ThemeKey("High Contrast Theme"), "ActiveColorSetting"), "");
    ASSERT_TRUE(Load("high contrast theme"));
    EXPECT_TRUE(m_manager.SaveColorSetting(*m_manager.GetCustomSetting()));
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
        SetStringUnder(HKEY_CURRENT_USER, ThemeKey("Lark"), name, "strTimeSettings", "default");
        SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", name);
        ASSERT_TRUE(Load("Lark")) << length;
        EXPECT_TRUE(Listed("Dawn") && Listed("Zeta")) << length;
        EXPECT_EQ(m_manager.GetActiveColorSetting()->GetName(), Listed(name) ? name : "") << length;

        auto record = std::make_unique<CTheme>("Lark", std::string(length, 'S'), "", "", false, "default", false);
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
    Store("Lark", "Dawn");
    Store("Lark", "Noon");
    SetString(HKEY_CURRENT_USER, ThemeKey("Lark", "Noon") + "\\Child", "x", "y");
    ASSERT_TRUE(Load("Lark", "Dawn"));
    CTheme* noon = Listed("Noon");
    EXPECT_TRUE(!m_manager.DeleteColorSetting(noon, true) && Listed("Noon") == noon) << "a key with a subkey stays";
    EXPECT_TRUE(m_manager.DeleteColorSetting(Listed("Dawn"), true));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Lark", "Dawn")));
    EXPECT_TRUE(m_manager.GetColorSettingCount() == 1 && CustomIsActive());

    CTheme own;
    CTheme* custom = m_manager.GetCustomSetting();
    EXPECT_FALSE(m_manager.SetActiveColorSetting(&own, false));
    EXPECT_FALSE(m_manager.DeleteColorSetting(nullptr, false));
    EXPECT_TRUE(m_manager.DeleteColorSetting(&own, false) && m_manager.DeleteColorSetting(custom, false)) << "left alone";
    EXPECT_EQ(m_manager.GetCustomSetting(), custom);
    ASSERT_TRUE(Load("Nova"));  // a theme key without subkeys, which could be deleted
    EXPECT_FALSE(m_manager.DeleteColorSetting(m_manager.GetCustomSetting(), true));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, ThemeKey("Nova")));
}

} // namespace

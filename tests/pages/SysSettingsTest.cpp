// The system settings dialog behind the fourth export: what it lists and shows first, what OK stores, deletes
// and tells, and the names that never become part of a key path.
#include "tests/support/LoadedModule.h"
#include "tests/support/Messages.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/StandInTest.h"
#include "tests/support/Themes.h"

#include <gtest/gtest.h>

using namespace qortest;
using Texts = std::vector<std::string>;

namespace {

const int kList = 4096, kHeading = 65553;
const std::string kSystems = std::string(kAppearanceKey) + "\\Systems", kP01 = kSystems + "\\P01";

// Lark holds the settings Zinc and Amber (listed as the registry gives them: Amber, Zinc); the thread's
// setting is Amber.
class SysSettingsTest : public StandInTest {
protected:
    void SetUp() override
    {
        StandInTest::SetUp();
        for (const char* name : {"Zinc", "Amber"})
            StoreSetting("Lark", name, std::string(138, name[0] == 'Z' ? '4' : 'a'), "", 0, "Day;default;default");
        Use("Lark", "Lark");
    }
    static void Use(const char* systemTheme, const char* threadTheme)
    {
        SetString(HKEY_CURRENT_USER, std::string(QORRM_STANDIN_KEY) + "\\Systems\\P01", "Theme", systemTheme);
        RmStandInSetThreadTheme(threadTheme, "Amber");
    }
    // act works on the dialog and its list, then the button is pressed; appearance messages are recorded.
    void Run(const char* system, const std::function<void(HWND, HWND)>& act, int button = IDOK)
    {
        ModalAnswerer answerer;
        answerer.Then(WindowWithCaption("System Settings"), [&](HWND dialog) {
            act(dialog, ::GetDlgItem(dialog, kList));
            PressButton(dialog, button);
        });
        m_module.SystemSettingsDialog(7, system);
        EXPECT_TRUE(answerer.Wait());
        DispatchFor(100);
    }

    LoadedModule m_module;
    AppearanceWindow m_frontEnd{"SysSettingsTestWindow"};
};

// The entries, the selected one marked with a star.
Texts Entries(HWND list)
{
    Texts entries;
    for (char text[64] = {}; ::SendMessageA(list, LB_GETTEXT, entries.size(), reinterpret_cast<LPARAM>(text)) > 0;)
        entries.push_back(text + std::string(::SendMessageA(list, LB_GETCURSEL, 0, 0) == LRESULT(entries.size()) ? "*" : ""));
    return entries;
}

// The system's stored setting when the system uses the thread's theme, else the thread's; "Color resetting"
// first and only with settings, then the manager's order; Cancel stores nothing.
TEST_F(SysSettingsTest, ShowsTheSettingOfTheSystemOrTheThread)
{
    SetString(HKEY_LOCAL_MACHINE, kP01, "ActiveColorSetting", "Zinc");
    const struct { const char *systemTheme, *threadTheme; Texts entries; } cases[] = {
        {"Lark", "Lark", {"Color resetting", "Amber", "Zinc*"}}, {"Other", "Lark", {"Color resetting", "Amber*", "Zinc"}}, {"Bare", "Bare", {}}};
    for (const auto& c : cases) {
        Use(c.systemTheme, c.threadTheme);
        Run("P01", [&](HWND, HWND list) { EXPECT_EQ(Entries(list), c.entries); }, IDCANCEL);
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kP01));
    EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmApplyColors").size() + m_frontEnd.received.size(), 0u);
}

// P01's Theme and setting, P01\Sub's setting and Theme, Systems' Theme in the user's hive.
std::string StoredState()
{
    std::string state;
    for (const auto& [key, value] : {std::pair{kP01, "Theme"}, {kP01, "ActiveColorSetting"}, {kP01 + "\\Sub", "ActiveColorSetting"},
                                     {kP01 + "\\Sub", "Theme"}, {kSystems, "Theme"}})
        state += GetString(HKEY_CURRENT_USER, key, value).value_or("-") + " ";
    return state;
}

// OK stores the thread's theme and the setting shown last in the user's key, or for "Color resetting", which
// keeps the preview, deletes that key (the machine's stays), and posts code 1 with 0. For an empty, null or
// backslash name the dialog works as usual, but OK stores, deletes, applies and posts nothing; neither does it
// after an initialisation that could not load the theme.
TEST_F(SysSettingsTest, OkStoresTheSettingShownOrResetsTheSystemButNeverForANameThatIsNoKey)
{
    SetString(HKEY_LOCAL_MACHINE, kP01, "ActiveColorSetting", "Amber");
    const std::string unchanged = "- Amber Amber - - ";
    const struct { const char* system; std::vector<WPARAM> keys; bool clearSelection; std::string state; } cases[] = {
        {"P01", {VK_END}, false, "Lark Zinc Amber - - "}, {"P01", {VK_END}, true, "Lark Zinc Amber - - "},
        {"P01", {VK_END, VK_HOME}, false, "- - - - - "}, {"", {VK_END, VK_HOME}, false, unchanged},
        {nullptr, {VK_END}, false, unchanged}, {"P01\\Sub", {VK_END, VK_HOME}, false, unchanged}, {"P01\\Sub", {VK_END}, false, unchanged}};
    Texts posted;
    for (const auto& c : cases) {
        SetString(HKEY_CURRENT_USER, kP01, "ActiveColorSetting", "Amber");
        SetString(HKEY_CURRENT_USER, kP01 + "\\Sub", "ActiveColorSetting", "Amber");
        ResetStandIns();
        Run(c.system, [&](HWND dialog, HWND list) {
            EXPECT_EQ(DialogItemText(dialog, kHeading), std::string("Color setting for ") + (c.system ? c.system : ""));
            for (WPARAM key : c.keys)
                ::SendMessageA(list, WM_KEYDOWN, key, 0);
            if (c.clearSelection)
                ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        });
        const Texts calls = ThemeLibraryCalls(), previews = CallsTo(calls, "RmApplyColorsForPreview");
        ASSERT_EQ(previews.size(), 2u) << "Amber, then Zinc";
        EXPECT_EQ(StoredState(), c.state);
        const bool stored = c.state[0] == 'L';
        EXPECT_EQ(CallsTo(calls, "RmApplyColors"), stored ? Texts{"RmApplyColors(" + previews[1].substr(24, 160) + ", \"Lark\")"} : Texts{});
        EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kP01, "ActiveColorSetting"), "Amber");
        if (c.state != unchanged)
            posted.push_back("1 0");
    }
    // Below a volatile key the theme's key can be neither opened nor created: the list stays empty.
    DeleteKeyTree(HKEY_CURRENT_USER, kThemesKey);
    CreateVolatileKey(HKEY_CURRENT_USER, kThemesKey);
    ResetStandIns();
    Run("P01", [&](HWND, HWND list) { EXPECT_EQ(Entries(list), Texts{}); });
    EXPECT_EQ(StoredState(), unchanged);
    EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmApplyColors"), Texts{});
    EXPECT_EQ(m_frontEnd.received, posted);
}

} // namespace

// The General page as the user sees and works it, and what it stores and tells.
#include "res/resource.h"
#include "standins/qorrm/qorrm_standin.h"
#include "tests/support/LoadedModule.h"
#include "tests/support/Messages.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/StandInTest.h"

#include <commctrl.h>
#include <gtest/gtest.h>

using namespace qortest;
using Texts = std::vector<std::string>;

namespace {

LRESULT Send(HWND page, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessageA(::GetDlgItem(page, id), message, wParam, lParam);
}
std::string Stored(const char* name)
{
    return GetString(HKEY_CURRENT_USER, kAppearanceKey, name).value_or("-");
}

// The sheet of a freshly loaded module: act works on the General page, then the button is pressed.
void OnGeneralPage(const std::function<void(HWND sheet, HWND page)>& act, int button = PSBTN_CANCEL)
{
    LoadedModule module;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption("Qor GUI Settings"), [&](HWND sheet) {
        act(sheet, PropSheet_GetCurrentPageHwnd(sheet));
        PressSheetButton(sheet, button);
    });
    module.ColorSettingsDialog();
    EXPECT_TRUE(answerer.Wait());
}

using GeneralPageTest = StandInTest;

// MaxScaling counts only as exactly 150, or 200 with the switch on, which also disables the theme list;
// Scaling is clamped into 80..max, numbers beyond int's range too; any case of "on" is on; user, else machine.
TEST_F(GeneralPageTest, ScalingRangeSoundAndSwitchAsStored)
{
    const struct { HKEY hive; DWORD smc; const char *max, *scaling, *sound, *percent; int rangeMax, checked; } cases[] = {
        {HKEY_LOCAL_MACHINE, 0, "150", "115", "ON", "115%", 70, IDC_GENERAL_SOUND_ON},
        {HKEY_CURRENT_USER, 0, "149", "50", "yes", "80%", 40, IDC_GENERAL_SOUND_OFF},
        {HKEY_LOCAL_MACHINE, 0, "200", "abc", "Off", "80%", 40, IDC_GENERAL_SOUND_OFF},
        {HKEY_CURRENT_USER, 1, "149", "300", nullptr, "200%", 120, IDC_GENERAL_SOUND_ON},
        {HKEY_CURRENT_USER, 0, "4294967446", "99999999999", "on", "120%", 40, IDC_GENERAL_SOUND_ON},
        {HKEY_CURRENT_USER, 0, nullptr, nullptr, nullptr, "100%", 40, IDC_GENERAL_SOUND_ON},
    };
    for (const auto& c : cases) {
        ResetQorKeys();
        SetDword(HKEY_CURRENT_USER, kAppearanceKey, "UseSMCRendering", c.smc);
        for (auto [name, value] : {std::pair{"MaxScaling", c.max}, {"Scaling", c.scaling}, {"Sound", c.sound}})
            if (value)
                SetString(c.hive, kAppearanceKey, name, value);
        OnGeneralPage([&](HWND, HWND page) {
            EXPECT_EQ(Send(page, IDC_GENERAL_FONT_SLIDER, TBM_GETRANGEMAX), c.rangeMax) << c.max;
            EXPECT_EQ(Send(page, IDC_GENERAL_FONT_SLIDER, TBM_GETPOS), std::atoi(c.percent) - 80) << c.scaling;
            EXPECT_EQ(DialogItemText(page, IDC_GENERAL_PERCENT), c.percent);
            EXPECT_EQ(Send(page, c.checked, BM_GETCHECK), BST_CHECKED) << c.sound;
            EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(page, IDC_GENERAL_THEMES)), !c.smc);
        });
    }
}

// Themes with a folder in the registry's order after "System Dependent"; the active one selected cut before its
// default mark, else "System Dependent". Every OK, changed or not, stores the active name or the chosen entry, the
// scaling (arrow key 1, Page Down 5) and Sound capitalised, switches the sound and posts code 2 with the sound flag;
// the stored theme is kept when there is no Themes key.
TEST_F(GeneralPageTest, ThemeListSelectionAndWhatEveryOkStoresAndTells)
{
    for (auto [name, path] : {std::pair{"Zeta (default) theme", "C:\\windows"}, {"File", "C:\\windows\\system32\\kernel32.dll"},
                              {"Gone", "C:\\windows\\gone"}, {"alpha", "C:\\windows"}})
        SetString(HKEY_CURRENT_USER, std::string(kThemesKey) + "\\" + name, "Path", path);
    SetString(HKEY_LOCAL_MACHINE, std::string(kThemesKey) + "\\Machine", "Path", "C:\\windows");
    const struct { const char* active; int selected, choose; const char* stored; } cases[] = {
        {"zeta", 2, -1, "zeta 100 On"}, {"Missing", 0, -1, "Missing 100 On"}, {"zeta", 2, 0, "System Dependent 111 Off"}};
    AppearanceWindow frontEnd("GeneralPageTestWindow");
    for (const auto& c : cases) {
        SetString(HKEY_CURRENT_USER, QORRM_STANDIN_KEY, "ActiveTheme", c.active);
        OnGeneralPage([&](HWND, HWND page) {
            Texts entries;
            for (char text[64] = {}; Send(page, IDC_GENERAL_THEMES, CB_GETLBTEXT, entries.size(), reinterpret_cast<LPARAM>(text)) > 0;)
                entries.push_back(text);
            EXPECT_EQ(entries, (Texts{"System Dependent", "alpha", "Zeta (default) theme"}));
            EXPECT_EQ(Send(page, IDC_GENERAL_THEMES, CB_GETCURSEL), c.selected);
            if (c.choose < 0)
                return;
            Send(page, IDC_GENERAL_THEMES, CB_SHOWDROPDOWN, TRUE);
            Send(page, IDC_GENERAL_THEMES, CB_SETCURSEL, c.choose);
            Send(page, IDC_GENERAL_THEMES, WM_KEYDOWN, VK_RETURN);
            for (WPARAM key : {VK_RIGHT, VK_NEXT, VK_NEXT})
                Send(page, IDC_GENERAL_FONT_SLIDER, WM_KEYDOWN, key);
            Send(page, IDC_GENERAL_SOUND_OFF, BM_CLICK);
            EXPECT_EQ(DialogItemText(page, IDC_GENERAL_PERCENT), "111%");
        }, PSBTN_OK);
        EXPECT_EQ(Stored("Theme") + " " + Stored("Scaling") + " " + Stored("Sound"), c.stored);
    }
    // Below a volatile key not even the manager can create the Themes key.
    DeleteKeyTree(HKEY_CURRENT_USER, kAppearanceKey);
    CreateVolatileKey(HKEY_CURRENT_USER, kAppearanceKey);
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "Theme", "Kept");
    OnGeneralPage([&](HWND, HWND page) { EXPECT_EQ(Send(page, IDC_GENERAL_THEMES, CB_GETCOUNT), 0); }, PSBTN_OK);
    EXPECT_EQ(Stored("Theme") + " " + Stored("Sound"), "Kept On");
    DispatchFor(100);
    EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmEnableSound"),
              (Texts{"RmEnableSound(1)", "RmEnableSound(1)", "RmEnableSound(0)", "RmEnableSound(1)"}));
    EXPECT_EQ(frontEnd.received, (Texts{"2 1", "2 1", "2 0", "2 1"}));
}

} // namespace

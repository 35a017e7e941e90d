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
// default mark, else "System Dependent"; OK stores the active name or the chosen entry, and keeps the stored
// theme when there is no Themes key.
TEST_F(GeneralPageTest, ThemeListSelectionAndTheThemeStored)
{
    for (auto [name, path] : {std::pair{"Zeta (default) theme", "C:\\windows"}, {"File", "C:\\windows\\system32\\kernel32.dll"},
                              {"Gone", "C:\\windows\\gone"}, {"alpha", "C:\\windows"}})
        SetString(HKEY_CURRENT_USER, std::string(kThemesKey) + "\\" + name, "Path", path);
    SetString(HKEY_LOCAL_MACHINE, std::string(kThemesKey) + "\\Machine", "Path", "C:\\windows");
    const struct { const char* active; int selected, choose; const char* stored; } cases[] = {{"zeta", 2, -1, "zeta"}, {"Missing", 0, -1, "Missing"}, {"zeta", 2, 0, "System Dependent"}};
    for (const auto& c : cases) {
        SetString(HKEY_CURRENT_USER, QORRM_STANDIN_KEY, "ActiveTheme", c.active);
        OnGeneralPage([&](HWND, HWND page) {
            Texts entries;
            for (char text[64] = {}; Send(page, IDC_GENERAL_THEMES, CB_GETLBTEXT, entries.size(), reinterpret_cast<LPARAM>(text)) > 0;)
                entries.push_back(text);
            EXPECT_EQ(entries, (Texts{"System Dependent", "alpha", "Zeta (default) theme"}));
            EXPECT_EQ(Send(page, IDC_GENERAL_THEMES, CB_GETCURSEL), c.selected);
            if (c.choose >= 0) {
                Send(page, IDC_GENERAL_THEMES, CB_SHOWDROPDOWN, TRUE);
                Send(page, IDC_GENERAL_THEMES, CB_SETCURSEL, c.choose);
                Send(page, IDC_GENERAL_THEMES, WM_KEYDOWN, VK_RETURN);
            }
        }, PSBTN_OK);
        EXPECT_EQ(Stored("Theme"), c.stored);
    }
    // Below a volatile key not even the manager can create the Themes key.
    DeleteKeyTree(HKEY_CURRENT_USER, kAppearanceKey);
    CreateVolatileKey(HKEY_CURRENT_USER, kAppearanceKey);
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "Theme", "Kept");
    OnGeneralPage([&](HWND, HWND page) { EXPECT_EQ(Send(page, IDC_GENERAL_THEMES, CB_GETCOUNT), 0); }, PSBTN_OK);
    EXPECT_EQ(Stored("Theme") + " " + Stored("Sound"), "Kept On");
}

// The arrow key moves the scaling by 1 and Page Down by 5; every Apply, changed or not, stores Sound
// capitalised and Scaling, switches the sound and posts code 2 with the sound flag.
TEST_F(GeneralPageTest, SliderStepsAndEveryApply)
{
    AppearanceWindow frontEnd("GeneralPageTestWindow");
    Texts seen;
    OnGeneralPage([&](HWND sheet, HWND page) {
        const auto apply = [&] {
            ::SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
            seen.push_back(DialogItemText(page, IDC_GENERAL_PERCENT) + " " + Stored("Scaling") + " " + Stored("Sound"));
        };
        Send(page, IDC_GENERAL_FONT_SLIDER, WM_KEYDOWN, VK_RIGHT);
        apply();
        Send(page, IDC_GENERAL_FONT_SLIDER, WM_KEYDOWN, VK_NEXT);
        Send(page, IDC_GENERAL_SOUND_OFF, BM_CLICK);
        apply();
        apply();
    });
    DispatchFor(100);
    EXPECT_EQ(seen, (Texts{"101% 101 On", "106% 106 Off", "106% 106 Off"}));
    EXPECT_EQ(CallsTo(ThemeLibraryCalls(), "RmEnableSound"), (Texts{"RmEnableSound(1)", "RmEnableSound(0)", "RmEnableSound(0)"}));
    EXPECT_EQ(frontEnd.received, (Texts{"2 1", "2 0", "2 0"}));
}

} // namespace

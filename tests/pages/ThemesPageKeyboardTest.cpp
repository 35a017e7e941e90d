// The Color Settings page and the colour picker worked with the keyboard
// alone, through the real module's sheet: Tab goes round the page as it is
// seen, Enter on the foreground sample opens the picker, keys there and on
// the page's hue change the colour (the page told once per key), and Enter
// applies it.
#include "model/ColorConversions.h"
#include "tests/support/LoadedModule.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/StandInTest.h"
#include "tests/support/Themes.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>

using namespace qortest;

namespace {

// A main palette as stored, from its foreground and background colour.
std::string Palette(const HsbColor& fore, const HsbColor& back)
{
    return qortest::Palette(Hex(HsbToColorRef(fore)), Hex(HsbToColorRef(back)));
}

using ThemesPageKeyboardTest = StandInTest;

TEST_F(ThemesPageKeyboardTest, TabGoesAsThePageIsSeenAndTheKeyboardAloneChangesAndAppliesAColour)
{
    UseTheme("Lark", "Noon");
    const std::string redBlue = Palette({0, 100, 100}, {240, 100, 100});
    StoreSetting("Lark", "Noon", redBlue, redBlue, 1, "Day;08:00;18:00");
    LoadedModule module;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption("Qor GUI Settings"), [](HWND sheet) {
        const auto press = [sheet](UINT key, const std::function<bool()>& done) {
            PressKey(sheet, key);
            return WaitUntil(done);
        };
        const auto focusOn = [sheet](HWND window) { return [sheet, window] { return FocusOf(sheet) == window; }; };
        const auto focusMoves = [sheet] { return [sheet, from = FocusOf(sheet)] { return FocusOf(sheet) != from; }; };
        const auto currentPage = [sheet] { return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); };
        // Tab to the tabs, and Right to the Color Settings page.
        HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0)), general = currentPage();
        for (int tab = 0; tab < 20 && FocusOf(sheet) != tabs; ++tab)
            press(VK_TAB, focusMoves());
        // A step that cannot go on closes what is open, so that the test ends.
        const auto giveUp = [sheet](const char* why) {
            ADD_FAILURE() << why;
            if (HWND picker = ::FindWindowA(nullptr, "Color Picker"))
                ::PostMessageA(picker, WM_CLOSE, 0, 0);
            PressSheetButton(sheet, PSBTN_CANCEL);
        };
        if (!press(VK_RIGHT, [&] { return currentPage() != general; }))
            return giveUp("Right on the tabs shows no other page");
        HWND page = currentPage(), foreground = ::GetDlgItem(page, 4098), background = ::GetDlgItem(page, 4099);
        const auto part = [](HWND control, int id) { return ::GetDlgItem(control, id); };
        // As the page is seen, row by row, and on to the sheet's buttons.
        const HWND seen[] = {::GetDlgItem(page, 1027),    ::GetDlgItem(page, 4096),    ::GetDlgItem(page, 4103),
                             ::GetDlgItem(page, 4104),    ::GetDlgItem(page, 0x10018), part(foreground, 4097),
                             part(foreground, 4096),      ::GetDlgItem(page, 4102),    part(background, 4097),
                             part(background, 4096),      ::GetDlgItem(page, 0x10014), ::GetDlgItem(page, 4105),
                             ::GetDlgItem(page, 0x10010), ::GetDlgItem(page, 0x10015), ::GetDlgItem(page, 0x10016),
                             ::GetDlgItem(page, 0x10017), ::GetDlgItem(sheet, IDOK)};
        const auto tabThrough = [&](size_t first, size_t last) {
            for (size_t stop = first; stop <= last; ++stop)
                EXPECT_TRUE(press(VK_TAB, focusOn(seen[stop]))) << stop;
        };
        tabThrough(0, 5);

        // The picker on the foreground sample: Tab to the hue, Right, Tab to the field, Page Down, Enter.
        HWND picker = nullptr;
        // Shown only once initialised, with its controls made.
        if (!press(VK_RETURN, [&] {
                picker = ::FindWindowA(nullptr, "Color Picker");
                return picker && ::IsWindowVisible(picker);
            }))
            return giveUp("Enter on the foreground sample opens no picker");
        HWND pickerHue = part(::GetDlgItem(picker, 4096), 4096), field = ::GetDlgItem(picker, 4097);
        EXPECT_TRUE(press(VK_TAB, focusMoves()) && press(VK_TAB, focusOn(pickerHue)));
        EXPECT_TRUE(press(VK_RIGHT, [&] { return ::GetScrollPos(pickerHue, SB_CTL) == 2; }));
        EXPECT_TRUE(press(VK_TAB, focusOn(field)));
        EXPECT_TRUE(press(VK_NEXT, [&] { return TextOf(field) == "Color: saturation 100, brightness 90"; }));
        EXPECT_TRUE(press(VK_RETURN, [&] { return TextOf(::GetDlgItem(page, 0x10011)) == "Custom, Derived From Noon"; }));

        // The page's own hue: one key, one change told to the page, the linked background following.
        const auto previews = [] { return CallsTo(ThemeLibraryCalls(), "RmApplyColorsForPreview").size(); };
        const size_t before = previews();
        tabThrough(6, 6);
        EXPECT_TRUE(press(VK_RIGHT, [&] { return previews() > before; }));
        ::Sleep(200);
        EXPECT_EQ(previews(), before + 1);
        EXPECT_EQ(TextOf(foreground), "Foreground Color: hue 4, saturation 100, brightness 90");
        EXPECT_EQ(TextOf(background), "Background Color: hue 244, saturation 100, brightness 100");
        tabThrough(7, std::size(seen) - 1);
        PressKey(sheet, VK_RETURN);
    });
    module.ColorSettingsDialog();
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kLark, "strPaletteMain"), Palette({4, 100, 90}, {244, 100, 100}));
}

} // namespace

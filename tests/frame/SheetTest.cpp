// The customizing sheet as the user and other processes see it.
#include "standins/qortext/qortext_standin.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/LoadedModule.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/StandInTest.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

using namespace qortest;
using Texts = std::vector<std::string>;

namespace {

struct OpenedSheet {
    HWND hwnd = nullptr;
    Texts tabs;
};

// Opens the sheet, lets look run on it, and cancels it.
OpenedSheet OpenSheet(const LoadedModule& module, const char* caption = "Qor GUI Settings",
                      const std::function<void(HWND)>& look = [](HWND) {})
{
    OpenedSheet opened;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(caption), [&](HWND sheet) {
        opened = {sheet, SheetTabTexts(sheet)};
        look(sheet);
        PressSheetButton(sheet, PSBTN_CANCEL);
    });
    module.ColorSettingsDialog();
    EXPECT_TRUE(answerer.Wait());
    return opened;
}

using SheetTest = StandInTest;

// The SMC rendering switch is read once per process: a changed value shows
// only in a process that loads the module afresh.
TEST_F(SheetTest, ShowsCaptionIconAndPagesInTheUsersLanguageWithCommonControls6AndSmcRenderingReadOnce)
{
    const struct { const char *what, *language; std::optional<DWORD> user, machine; Texts tabs; } cases[] = {
        {"user switch on", "EN", 1, std::nullopt, {"General"}},
        {"machine switch on", "EN", std::nullopt, 1, {"General"}},
        {"user 0 hides machine 1", "DE", 0, 1, {"Allgemein", "Farbeinstellungen"}},
        {"any non-zero value", "EN", 7, std::nullopt, {"General"}},
        {"no value", "EN", std::nullopt, std::nullopt, {"General", "Color Settings"}},
    };
    for (const auto& c : cases) {
        ResetQorKeys();
        SetString(HKEY_CURRENT_USER, QORTEXT_STANDIN_KEY, "Language", c.language);
        if (c.user)
            SetDword(HKEY_CURRENT_USER, kAppearanceKey, "UseSMCRendering", *c.user);
        if (c.machine)
            SetDword(HKEY_LOCAL_MACHINE, kAppearanceKey, "UseSMCRendering", *c.machine);
        const char* caption = c.language == std::string("DE") ? "Qor GUI-Einstellungen" : "Qor GUI Settings";
        LoadedModule module;
        HICON icon = ::LoadIconA(module.Handle(), MAKEINTRESOURCEA(128));
        bool iconsShown = false, controls6 = false;  // only buttons of common controls 6 know their ideal size
        const OpenedSheet sheet = OpenSheet(module, caption, [&](HWND hwnd) {
            iconsShown = icon && reinterpret_cast<HICON>(::SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0)) == icon
                         && reinterpret_cast<HICON>(::SendMessageA(hwnd, WM_QUERYDRAGICON, 0, 0)) == icon;
            SIZE ideal = {};
            controls6 = ::SendMessageA(::GetDlgItem(hwnd, IDOK), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
        });
        EXPECT_EQ(sheet.tabs, c.tabs) << c.what;
        EXPECT_TRUE(iconsShown && controls6) << c.what;
        EXPECT_FALSE(::IsWindow(sheet.hwnd)) << "the export returns when the sheet is closed";
        SetDword(HKEY_CURRENT_USER, kAppearanceKey, "UseSMCRendering", c.tabs.size() == 1 ? 0 : 1);
        EXPECT_EQ(OpenSheet(module, caption).tabs, c.tabs) << c.what << ", after the value changed";
    }
}

// Closed, the handle stays, stale, for every process.
TEST_F(SheetTest, PublishesItsHandleToOtherProcessesWhileOpenAfterwardsAndForTheNewestSheet)
{
    const auto seenByTheFrontEnd = [] {
        const std::string output = RunAndCapture(ProgramBeside("qorfront.exe") + " --print-handle --quit");
        return output.substr(0, output.find_first_of("\r\n"));
    };
    const auto printed = [](HWND hwnd) {
        char text[32];
        std::snprintf(text, sizeof(text), "sheet window %08lx", HandleToULong(hwnd));
        return std::string(text);
    };
    LoadedModule module;
    std::string seenWhileOpen;
    const HWND first = OpenSheet(module, "Qor GUI Settings", [&](HWND) { seenWhileOpen = seenByTheFrontEnd(); }).hwnd;
    EXPECT_EQ(seenWhileOpen, printed(first));
    EXPECT_EQ(seenByTheFrontEnd(), printed(first));
    const HWND second = OpenSheet(module).hwnd;
    EXPECT_NE(second, first);
    EXPECT_EQ(seenByTheFrontEnd(), printed(second));
}

} // namespace

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

const char kSheetCaption[] = "Qor GUI Settings";

struct SheetView {
    HWND hwnd = nullptr;
    Texts tabs;
    HICON bigIcon = nullptr;
    HICON dragIcon = nullptr;
    bool buttonsOfVersion6 = false;  // they know their ideal size
};

// Opens the sheet, looks at it, lets look run on it, and cancels it.
SheetView OpenSheet(const LoadedModule& module, const std::function<void(HWND)>& look = [](HWND) {},
                    const char* caption = kSheetCaption)
{
    SheetView view;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(caption), [&](HWND sheet) {
        SIZE ideal = {};
        view = {sheet, SheetTabTexts(sheet),
                reinterpret_cast<HICON>(::SendMessageA(sheet, WM_GETICON, ICON_BIG, 0)),
                reinterpret_cast<HICON>(::SendMessageA(sheet, WM_QUERYDRAGICON, 0, 0)),
                ::SendMessageA(::GetDlgItem(sheet, IDOK), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != 0};
        look(sheet);
        PressSheetButton(sheet, PSBTN_CANCEL);
    });
    module.ColorSettingsDialog();
    EXPECT_TRUE(answerer.Wait());
    return view;
}

// The handle as the front-end stand-in, another process, reads and prints it.
std::string HandleSeenByTheFrontEnd()
{
    const std::string output = RunAndCapture(ProgramBeside("qorfront.exe") + " --print-handle --quit");
    return output.substr(0, output.find_first_of("\r\n"));
}

std::string Printed(HWND hwnd)
{
    char text[32];
    std::snprintf(text, sizeof(text), "sheet window %08lx", HandleToULong(hwnd));
    return text;
}

using SheetTest = StandInTest;

TEST_F(SheetTest, ShowsCaptionIconAndBothPagesInTheUsersLanguageWithCommonControls6)
{
    const struct {
        const char* language;
        const char* caption;
        Texts tabs;
    } cases[] = {
        {"EN", kSheetCaption, {"General", "Color Settings"}},
        {"DE", "Qor GUI-Einstellungen", {"Allgemein", "Farbeinstellungen"}},
    };
    for (const auto& c : cases) {
        SetString(HKEY_CURRENT_USER, QORTEXT_STANDIN_KEY, "Language", c.language);
        LoadedModule module;
        const SheetView view = OpenSheet(module, [](HWND) {}, c.caption);
        ASSERT_NE(view.hwnd, nullptr) << c.language;
        EXPECT_EQ(view.tabs, c.tabs);
        EXPECT_EQ(view.bigIcon, ::LoadIconA(module.Handle(), MAKEINTRESOURCEA(128)));
        EXPECT_NE(view.bigIcon, nullptr);
        EXPECT_EQ(view.dragIcon, view.bigIcon);
        EXPECT_TRUE(view.buttonsOfVersion6);
        EXPECT_FALSE(::IsWindow(view.hwnd)) << "the export returns when the sheet is closed";
    }
}

TEST_F(SheetTest, SmcRenderingReadOncePerProcessLeavesOnlyTheGeneralPage)
{
    const struct {
        const char* what;
        std::optional<DWORD> user;
        std::optional<DWORD> machine;
        Texts tabs;
    } cases[] = {
        {"user switch on", 1, std::nullopt, {"General"}},
        {"machine switch on", std::nullopt, 1, {"General"}},
        {"user 0 hides machine 1", 0, 1, {"General", "Color Settings"}},
        {"any non-zero value", 7, std::nullopt, {"General"}},
        {"no value", std::nullopt, std::nullopt, {"General", "Color Settings"}},
    };
    for (const auto& c : cases) {
        ResetQorKeys();
        if (c.user)
            SetDword(HKEY_CURRENT_USER, kAppearanceKey, "UseSMCRendering", *c.user);
        if (c.machine)
            SetDword(HKEY_LOCAL_MACHINE, kAppearanceKey, "UseSMCRendering", *c.machine);
        LoadedModule module;
        EXPECT_EQ(OpenSheet(module).tabs, c.tabs) << c.what;
        SetDword(HKEY_CURRENT_USER, kAppearanceKey, "UseSMCRendering", c.tabs.size() == 1 ? 0 : 1);
        EXPECT_EQ(OpenSheet(module).tabs, c.tabs) << c.what << ", after the value changed";
    }
}

TEST_F(SheetTest, PublishesItsHandleToOtherProcessesWhileOpenAfterwardsAndForTheNewestSheet)
{
    LoadedModule module;
    std::string seenWhileOpen;
    const SheetView first = OpenSheet(module, [&](HWND) { seenWhileOpen = HandleSeenByTheFrontEnd(); });
    EXPECT_EQ(seenWhileOpen, Printed(first.hwnd));
    // Closed: the handle stays, stale, for every process.
    EXPECT_EQ(module.CustWindowHandle(), first.hwnd);
    EXPECT_EQ(HandleSeenByTheFrontEnd(), Printed(first.hwnd));

    const SheetView second = OpenSheet(module);
    EXPECT_NE(second.hwnd, first.hwnd);
    EXPECT_EQ(HandleSeenByTheFrontEnd(), Printed(second.hwnd));
}

} // namespace

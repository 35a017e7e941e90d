// The customizing sheet as the user and other processes see it.
#include "standins/qortext/qortext_standin.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Journal.h"
#include "tests/support/LoadedModule.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/Registry.h"
#include "tests/support/StandInTest.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
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
    // Buttons of common controls version 6 know their ideal size.
    bool buttonsOfVersion6 = false;
};

SheetView LookAt(HWND sheet)
{
    SheetView view;
    view.hwnd = sheet;
    view.tabs = SheetTabTexts(sheet);
    view.bigIcon = reinterpret_cast<HICON>(::SendMessageA(sheet, WM_GETICON, ICON_BIG, 0));
    view.dragIcon = reinterpret_cast<HICON>(::SendMessageA(sheet, WM_QUERYDRAGICON, 0, 0));
    SIZE ideal = {};
    view.buttonsOfVersion6 = ::SendMessageA(::GetDlgItem(sheet, IDOK), BCM_GETIDEALSIZE, 0,
                                            reinterpret_cast<LPARAM>(&ideal)) != FALSE;
    return view;
}

// Opens the sheet, lets look run on it, and cancels it.
SheetView OpenSheet(const LoadedModule& module,
                    const std::function<void(HWND)>& look = [](HWND) {},
                    const char* caption = kSheetCaption)
{
    SheetView view;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(caption), [&](HWND sheet) {
        view = LookAt(sheet);
        look(sheet);
        PressSheetButton(sheet, PSBTN_CANCEL);
    });
    module.ColorSettingsDialog();
    EXPECT_TRUE(answerer.Wait());
    return view;
}

std::string HandleSeenByAnotherProcess()
{
    std::string output = RunAndCapture(ProgramBeside("qorprobe.exe") + " handle");
    output.erase(std::remove(output.begin(), output.end(), '\r'), output.end());
    return output;
}

std::string Hex(HWND hwnd)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%08lx\n", HandleToULong(hwnd));
    return text;
}

using SheetTest = StandInTest;

TEST_F(SheetTest, ShowsCaptionIconAndBothPages)
{
    LoadedModule module;
    const SheetView view = OpenSheet(module);
    ASSERT_NE(view.hwnd, nullptr);
    EXPECT_EQ(view.tabs, (Texts{"General", "Color Settings"}));
    EXPECT_EQ(view.bigIcon, ::LoadIconA(module.Handle(), MAKEINTRESOURCEA(128)));
    EXPECT_NE(view.bigIcon, nullptr);
    EXPECT_EQ(view.dragIcon, view.bigIcon);
    EXPECT_FALSE(::IsWindow(view.hwnd)) << "the export returns when the sheet is closed";
}

TEST_F(SheetTest, SpeaksTheUsersLanguage)
{
    SetString(HKEY_CURRENT_USER, QORTEXT_STANDIN_KEY, "Language", "DE");
    LoadedModule module;
    const SheetView view = OpenSheet(module, [](HWND) {}, "Qor GUI-Einstellungen");
    EXPECT_EQ(view.tabs, (Texts{"Allgemein", "Farbeinstellungen"}));
}

TEST_F(SheetTest, RunsItsControlsUnderTheModulesCommonControlsVersion)
{
    LoadedModule module;
    EXPECT_TRUE(OpenSheet(module).buttonsOfVersion6);
}

TEST_F(SheetTest, SmcRenderingLeavesOnlyTheGeneralPage)
{
    struct Case {
        const char* what;
        std::optional<DWORD> user;
        std::optional<DWORD> machine;
        Texts tabs;
    };
    const Case cases[] = {
        {"user switch on", 1, std::nullopt, {"General"}},
        {"machine switch on", std::nullopt, 1, {"General"}},
        {"user 0 hides machine 1", 0, 1, {"General", "Color Settings"}},
        {"any non-zero value", 7, std::nullopt, {"General"}},
    };
    for (const Case& c : cases) {
        ResetQorKeys();
        if (c.user)
            SetDword(HKEY_CURRENT_USER, kAppearanceKey, "UseSMCRendering", *c.user);
        if (c.machine)
            SetDword(HKEY_LOCAL_MACHINE, kAppearanceKey, "UseSMCRendering", *c.machine);
        LoadedModule module;
        EXPECT_EQ(OpenSheet(module).tabs, c.tabs) << c.what;
    }
}

TEST_F(SheetTest, SmcRenderingIsReadOncePerProcess)
{
    LoadedModule module;
    EXPECT_EQ(OpenSheet(module).tabs.size(), 2u);
    SetDword(HKEY_CURRENT_USER, kAppearanceKey, "UseSMCRendering", 1);
    EXPECT_EQ(OpenSheet(module).tabs.size(), 2u);
}

TEST_F(SheetTest, PublishesItsHandleToOtherProcesses)
{
    LoadedModule module;
    std::string seenWhileOpen;
    const SheetView first = OpenSheet(module, [&](HWND) { seenWhileOpen = HandleSeenByAnotherProcess(); });
    EXPECT_EQ(seenWhileOpen, Hex(first.hwnd));

    // Closed: the handle stays, stale, for every process.
    EXPECT_EQ(module.CustWindowHandle(), first.hwnd);
    EXPECT_EQ(HandleSeenByAnotherProcess(), Hex(first.hwnd));

    const SheetView second = OpenSheet(module);
    EXPECT_NE(second.hwnd, first.hwnd);
    EXPECT_EQ(HandleSeenByAnotherProcess(), Hex(second.hwnd));
}

} // namespace

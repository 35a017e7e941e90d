// The Save As and time dialogs driven as a user would, in German so that the
// texts shown can only have come from the catalogue.
#include "model/ThemeManager.h"
#include "pages/SaveDlg.h"
#include "pages/TimeDayDlg.h"
#include "resource.h"
#include "services/Globals.h"
#include "services/MakerLibraries.h"
#include "services/TextCatalogue.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/Themes.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace qortest;

namespace {

// German texts from the first test on; the theme Lark with default day times of its own.
class DialogsTest : public RegistryTest {
    void SetUp() override
    {
        RegistryTest::SetUp();
        DWORD status = 0;
        g_hTextModule = g_hTextModule ? g_hTextModule : QorPcTxtLoad(nullptr, "FCUST", "DE", 0, 0, &status);
        ASSERT_NE(GetTextString(DLG_CANCEL_BUTTON), "Cancel") << "a translated catalogue";
        SetString(HKEY_CURRENT_USER, kLark, "strDefaultDayStart", "06:45");
        SetString(HKEY_CURRENT_USER, kLark, "strDefaultDayEnd", "21:15");
        ASSERT_TRUE(g_themeManager.Reload("Lark", nullptr, HKEY_CURRENT_USER, kThemesKey));
    }
};

// The edit's selected text while it has the focus.
std::string FocusedSelection(HWND edit)
{
    DWORD start = 0, end = 0;
    ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return FocusOf(edit) == edit ? TextOf(edit).substr(start, end - start) : "";
}

// An OK refused: its box, the text that comes back selected, what is then typed and pressed.
struct Refusal {
    std::string box, refused, retyped;
    int press;
};

// Runs the dialog, answered by act and then by the refusals expected.
INT_PTR RunDialog(CDialog& dialog, const std::string& caption, int editId, const std::function<void(HWND)>& act,
                  const std::vector<Refusal>& refusals)
{
    HWND edit = nullptr;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(caption), [&](HWND hwnd) {
        edit = ::GetDlgItem(hwnd, editId);
        act(hwnd);
    });
    for (const Refusal& refusal : refusals)
        answerer.Then(MessageBoxWithText(refusal.box), [&](HWND box) {
            ::SendMessageA(box, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(WaitUntil([&] { return FocusedSelection(edit) == refusal.refused; })) << FocusedSelection(edit);
            ::SetWindowTextA(edit, refusal.retyped.c_str());
            PressButton(::GetParent(edit), refusal.press);
        });
    const INT_PTR result = dialog.DoModal();
    EXPECT_TRUE(answerer.Wait());
    return result;
}

TEST_F(DialogsTest, SaveAsOpensWithTheNameSelectedAndHandsBackWhatWasTypedUpTo128Characters)
{
    const std::string fits(CSaveDlg::kMaxNameLength, 'x'), tooLong = fits + "y";
    const std::string box = "Please enter no more than 128 characters.";
    const struct {
        std::string preset, keys;  // typed; '\b' is Backspace
        int press;
        std::vector<Refusal> refusals;
        INT_PTR result;
        std::string name;
    } cases[] = {
        {"Dawn", fits + "z", IDOK, {}, IDOK, fits}, {tooLong, "", IDOK, {{box, tooLong, fits, IDOK}}, IDOK, fits},
        // What OK refused does not replace the name.
        {tooLong, "", IDOK, {{box, tooLong, tooLong + "y", IDOK}, {box, tooLong + "y", "", IDCANCEL}}, IDCANCEL,
         tooLong},
    };
    for (const auto& c : cases) {
        CSaveDlg dialog;
        dialog.m_strName = c.preset;
        const auto act = [&](HWND hwnd) {
            HWND edit = ::GetDlgItem(hwnd, IDC_SAVE_NAME);
            EXPECT_EQ(FocusedSelection(edit), c.preset) << "shown whole and selected";
            for (char key : c.keys)
                ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(key), 0);
            PressButton(hwnd, c.press);
        };
        EXPECT_EQ(RunDialog(dialog, GetTextString(DLG_SAVE_CAPTION), IDC_SAVE_NAME, act, c.refusals), c.result);
        EXPECT_EQ(dialog.m_strName, c.name) << c.keys;
    }
}

// Mode, time entered, default time shown, default day start stored, focused control.
std::string StateOf(HWND dialog)
{
    const auto on = [dialog](int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; };
    const auto enabled = [dialog](int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; };
    const bool custom = on(IDC_TIMEDAY_CUSTOM), consistent = custom != on(IDC_TIMEDAY_DEFAULT)
                        && enabled(IDC_TIMEDAY_TIME) == custom && enabled(IDC_TIMEDAY_SET_DEFAULT) == custom;
    return std::string(!consistent ? "mixed" : custom ? "custom" : "default") + "|"
           + DialogItemText(dialog, IDC_TIMEDAY_TIME) + "|" + DialogItemText(dialog, IDC_TIMEDAY_DEFAULT_TIME) + "|"
           + GetString(HKEY_CURRENT_USER, kLark, "strDefaultDayStart").value_or("") + "|"
           + std::to_string(::GetDlgCtrlID(FocusOf(dialog)));
}

TEST_F(DialogsTest, TheTimeDialogOpensInTheModeGivenAndReturnsDefaultOrAValidTime)
{
    const int custom = IDC_TIMEDAY_CUSTOM, setDefault = IDC_TIMEDAY_SET_DEFAULT;
    const struct {
        BOOL start;
        const char* given;
        std::vector<std::pair<int, const char*>> input;  // in turn: a button clicked (no text) or a time typed
        const char* state;                                // afterwards
        int press;
        bool refused;        // the time typed, by OK; then the result is typed and OK pressed
        const char* result;
    } cases[] = {
        {FALSE, "DEFAULT", {}, "default||21:15|06:45|207", IDOK, false, "default"},
        {FALSE, "18:30", {}, "custom|18:30|21:15|06:45|208", IDOK, false, "18:30"},
        {TRUE, "09:00", {{IDC_TIMEDAY_DEFAULT, nullptr}}, "default|09:00|06:45|06:45|207", IDOK, false, "default"},
        {FALSE, "08:00", {{IDC_TIMEDAY_TIME, "12.30"}}, "custom|12.30|21:15|06:45|208", IDOK, true, "21:00"},
        {TRUE, "default", {{custom, nullptr}, {IDC_TIMEDAY_TIME, "7:30"}, {setDefault, nullptr}}, "custom|7:30|06:45|06:45|210", IDCANCEL, false, "default"},
        {TRUE, "default", {{custom, nullptr}, {IDC_TIMEDAY_TIME, "07:30"}, {setDefault, nullptr}}, "default||07:30|07:30|207", IDOK, false, "default"},
    };
    for (const auto& c : cases) {
        CTimeDayDlg dialog(c.start);
        dialog.m_strTime = c.given;
        const auto act = [&](HWND hwnd) {
            for (const auto& [id, text] : c.input)
                text ? (void)::SetDlgItemTextA(hwnd, id, text) : (void)::SendDlgItemMessageA(hwnd, id, BM_CLICK, 0, 0);
            EXPECT_EQ(StateOf(hwnd), c.state) << c.given;
            PressButton(hwnd, c.press);
        };
        std::vector<Refusal> refusals;
        if (c.refused)
            refusals.push_back({GetTextString(ERR_NO_VALID_FORMAT), c.input.back().second, c.result, IDOK});
        EXPECT_EQ(RunDialog(dialog, GetTextString(DLG_TIMEDAY_CAPTION), IDC_TIMEDAY_TIME, act, refusals), c.press);
        EXPECT_EQ(dialog.m_strTime, c.result) << c.given;
    }
}

} // namespace

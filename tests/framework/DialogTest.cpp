// Modal dialogs from templates: binding at WM_INITDIALOG, OK and Cancel,
// default processing, and a template that does not exist.
#include "framework/Dialog.h"
#include "tests/framework/FrameworkTestResources.h"
#include "tests/support/ModalAnswerer.h"

#include <gtest/gtest.h>

using namespace qortest;

namespace {

const char kCaption[] = "Framework dialog";

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(IDD_TEST_DIALOG) {}
    int okCount = 0;
    int cancelCount = 0;
    bool boundAtInit = false;

protected:
    BOOL OnInitDialog() override
    {
        boundAtInit = CWnd::FromHandle(m_hWnd) == this;
        ::SetDlgItemTextA(m_hWnd, IDC_TEST_EDIT, "initialised");
        return TRUE;
    }
    void OnOK() override
    {
        ++okCount;
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        ++cancelCount;
        CDialog::OnCancel();
    }
};

TEST(DialogTest, RunsModallyAndEndsWithTheButtonPressed)
{
    for (int button : {IDOK, IDCANCEL}) {
        TestDialog dialog;
        std::string shown;
        LRESULT defaultButton = 0;
        ModalAnswerer answerer;
        answerer.Then(WindowWithCaption(kCaption), [&](HWND hwnd) {
            shown = DialogItemText(hwnd, IDC_TEST_EDIT);
            defaultButton = ::SendMessageA(hwnd, DM_GETDEFID, 0, 0);
            PressButton(hwnd, button);
        });
        EXPECT_EQ(dialog.DoModal(), button);
        EXPECT_TRUE(answerer.Wait());
        EXPECT_TRUE(dialog.boundAtInit);
        EXPECT_EQ(shown, "initialised");
        EXPECT_EQ(LOWORD(defaultButton), IDOK) << "the dialog manager's own handling still runs";
        EXPECT_EQ(dialog.okCount, button == IDOK ? 1 : 0);
        EXPECT_EQ(dialog.cancelCount, button == IDCANCEL ? 1 : 0);
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr) << "unbound when the window went";
    }
}

TEST(DialogTest, ClosingTheWindowIsCancel)
{
    TestDialog dialog;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(kCaption), [](HWND hwnd) { ::PostMessageA(hwnd, WM_CLOSE, 0, 0); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.cancelCount, 1);
}

TEST(DialogTest, MissingTemplateAnswersMinusOne)
{
    CDialog dialog(4711);
    EXPECT_EQ(dialog.DoModal(), -1);
}

} // namespace

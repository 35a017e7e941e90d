// Modal dialogs from templates: binding at WM_INITDIALOG, OK, Cancel and
// closing, default processing, and a template that does not exist.
#include "framework/Dialog.h"
#include "tests/framework/FrameworkTestResources.h"
#include "tests/support/ModalAnswerer.h"

#include <gtest/gtest.h>

using namespace qortest;

namespace {

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

TEST(DialogTest, RunsModallyAndEndsWithTheButtonPressedOrCancelWhenClosed)
{
    const struct {
        UINT message;
        int button;
        INT_PTR result;
    } cases[] = {{WM_COMMAND, IDOK, IDOK}, {WM_COMMAND, IDCANCEL, IDCANCEL}, {WM_CLOSE, 0, IDCANCEL}};
    for (const auto& c : cases) {
        TestDialog dialog;
        std::string shown;
        LRESULT defaultButton = 0;
        ModalAnswerer answerer;
        answerer.Then(WindowWithCaption("Framework dialog"), [&](HWND hwnd) {
            shown = DialogItemText(hwnd, IDC_TEST_EDIT);
            defaultButton = ::SendMessageA(hwnd, DM_GETDEFID, 0, 0);
            ::PostMessageA(hwnd, c.message, MAKEWPARAM(c.button, BN_CLICKED), 0);
        });
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_TRUE(answerer.Wait());
        EXPECT_TRUE(dialog.boundAtInit);
        EXPECT_EQ(shown, "initialised");
        EXPECT_EQ(LOWORD(defaultButton), IDOK) << "the dialog manager's own handling still runs";
        EXPECT_EQ(dialog.okCount, c.result == IDOK ? 1 : 0);
        EXPECT_EQ(dialog.cancelCount, c.result == IDCANCEL ? 1 : 0);
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr) << "unbound when the window went";
    }
    EXPECT_EQ(CDialog(4711).DoModal(), -1) << "a template that does not exist";
}

} // namespace

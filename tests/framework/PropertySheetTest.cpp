// Property sheets and pages: titles, the answers the framework writes for
// the pages, Apply and Cancel state, and the sheet's creation hook.
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "tests/framework/FrameworkTestResources.h"
#include "tests/support/ModalAnswerer.h"

#include <commctrl.h>
#include <gtest/gtest.h>

using namespace qortest;

namespace {

const char kSheetCaption[] = "Framework sheet";
const int kApplyButton = 0x3021;

class TestPage : public CPropertyPage {
public:
    explicit TestPage(const char* title) : CPropertyPage(IDD_TEST_PAGE) { SetTitle(title); }
    int activations = 0;
    int applies = 0;
    BOOL acceptApply = TRUE;

    BOOL OnSetActive() override
    {
        ++activations;
        return CPropertyPage::OnSetActive();
    }
    BOOL OnApply() override
    {
        ++applies;
        return acceptApply;
    }
};

class TestSheet : public CPropertySheet {
public:
    TestSheet() : CPropertySheet(kSheetCaption) {}
    int creations = 0;
    bool visibleAtCreation = true;

protected:
    int OnCreate(CREATESTRUCTA* cs) override
    {
        ++creations;
        visibleAtCreation = ::IsWindowVisible(m_hWnd) != FALSE;
        return CPropertySheet::OnCreate(cs);
    }
};

bool IsEnabled(HWND sheet, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(sheet, id)) != FALSE;
}

TEST(PropertySheetTest, ShowsPagesUnderTheirOwnTitles)
{
    TestSheet sheet;
    TestPage first("First"), second("Second");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    std::vector<std::string> tabs;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(kSheetCaption), [&](HWND hwnd) {
        tabs = SheetTabTexts(hwnd);
        PressSheetButton(hwnd, PSBTN_CANCEL);
    });
    sheet.DoModal();
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(tabs, (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(sheet.creations, 1);
    EXPECT_FALSE(sheet.visibleAtCreation);
    EXPECT_EQ(first.activations, 1);
    EXPECT_EQ(second.activations, 0) << "a page is created when it is first shown";
}

TEST(PropertySheetTest, ARefusedApplyKeepsTheSheetOpen)
{
    TestSheet sheet;
    TestPage page("Only");
    page.acceptApply = FALSE;
    sheet.AddPage(&page);
    bool openAfterRefusal = false;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(kSheetCaption), [&](HWND hwnd) {
        PressSheetButton(hwnd, PSBTN_OK);
        ::Sleep(200);
        openAfterRefusal = ::IsWindowVisible(hwnd) != FALSE;
        page.acceptApply = TRUE;
        PressSheetButton(hwnd, PSBTN_OK);
    });
    sheet.DoModal();
    EXPECT_TRUE(answerer.Wait());
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(page.applies, 2);
}

TEST(PropertySheetTest, ModifiedEnablesApplyAndCancelToCloseDisablesCancel)
{
    TestSheet sheet;
    TestPage page("Only");
    sheet.AddPage(&page);
    bool applyBefore = true, applyAfter = false, cancelAfter = true;
    std::string okText;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(kSheetCaption), [&](HWND hwnd) {
        applyBefore = IsEnabled(hwnd, kApplyButton);
        ::SendMessageA(hwnd, PSM_CHANGED, reinterpret_cast<WPARAM>(page.GetSafeHwnd()), 0);
        applyAfter = IsEnabled(hwnd, kApplyButton);
        ::SendMessageA(hwnd, PSM_CANCELTOCLOSE, 0, 0);
        cancelAfter = IsEnabled(hwnd, IDCANCEL);
        okText = DialogItemText(hwnd, IDOK);
        PressSheetButton(hwnd, PSBTN_OK);
    });
    sheet.DoModal();
    EXPECT_TRUE(answerer.Wait());
    EXPECT_FALSE(applyBefore);
    EXPECT_TRUE(applyAfter);
    EXPECT_FALSE(cancelAfter);
    EXPECT_EQ(okText, "Close");
}

} // namespace

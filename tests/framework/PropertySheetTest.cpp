// Property sheets and pages: titles, the sheet's creation hook, activation,
// Apply and Cancel state, and the answers the framework writes for OnApply.
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
    BOOL acceptApply = FALSE;

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

TEST(PropertySheetTest, PagesApplyStateAndARefusedApplyKeepingTheSheetOpen)
{
    TestSheet sheet;
    TestPage first("First"), second("Second");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    std::vector<std::string> tabs;
    bool applyBefore = true, applyModified = false, openAfterRefusal = false, cancelAfter = true;
    std::string okText;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(kSheetCaption), [&](HWND hwnd) {
        const auto enabled = [hwnd](int id) { return ::IsWindowEnabled(::GetDlgItem(hwnd, id)) != FALSE; };
        tabs = SheetTabTexts(hwnd);
        applyBefore = enabled(kApplyButton);
        first.SetModified();
        applyModified = enabled(kApplyButton);
        PressSheetButton(hwnd, PSBTN_OK);
        ::Sleep(200);
        openAfterRefusal = ::IsWindowVisible(hwnd) != FALSE;
        first.CancelToClose();
        cancelAfter = enabled(IDCANCEL);
        okText = DialogItemText(hwnd, IDOK);
        first.acceptApply = TRUE;
        PressSheetButton(hwnd, PSBTN_OK);
    });
    sheet.DoModal();
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(tabs, (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(sheet.creations, 1);
    EXPECT_FALSE(sheet.visibleAtCreation);
    EXPECT_EQ(first.activations, 1);
    EXPECT_EQ(second.activations, 0) << "a page is created when it is first shown";
    EXPECT_FALSE(applyBefore);
    EXPECT_TRUE(applyModified);
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(first.applies, 2);
    EXPECT_FALSE(cancelAfter);
    EXPECT_EQ(okText, "Close");
}

} // namespace

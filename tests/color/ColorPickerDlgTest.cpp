// The colour picker dialog: opened from a sample box, its controls on the placeholders working together,
// closed with OK or Cancel; and a control that cannot be created.
#include "color/ColorPickerDlg.h"
#include "resource.h"
#include "tests/color/ColorTestWindows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

using namespace colortest;
using namespace qortest;

namespace {

const char kCaption[] = "Color Picker";

// Opened from a sample box by a double-click or Space (Enter: the page's keyboard test), on the template's
// placeholders; the hue recolours the field, a pick leaves the hue; the box inside opens nothing.
TEST(ColorPickerDlgTest, OpenedFromASampleBoxItsPartsWorkTogetherOkStoresAndPostsOnceCancelLeaves)
{
    const HsbColor start = {300, 40, 90}, picked = {290, 0, 90};
    for (const auto& [open, button] : {std::pair<UINT, int>{WM_LBUTTONDBLCLK, IDOK}, {VK_SPACE, IDCANCEL}}) {
        Controls page(start);  // a colour control as on the Color Settings page
        ::SetActiveWindow(page.host.GetSafeHwnd());
        HWND owner = nullptr;
        ModalAnswerer answerer;
        answerer.Then(WindowWithCaption(kCaption), [&, button = button](HWND hwnd) {
            owner = ::GetWindow(hwnd, GW_OWNER);
            HWND control = ::GetDlgItem(hwnd, CColorPickerDlg::kColorCtrlId);
            HWND field = ::GetDlgItem(hwnd, CColorPickerDlg::kPickerId);
            HWND box = ::GetDlgItem(control, CColorCtrl::kColorBoxId);
            HWND scrollBar = ::GetDlgItem(control, CColorCtrl::kScrollBarId);
            const RECT fieldRect = RectInParent(field);
            const int w = fieldRect.right - fieldRect.left, h = fieldRect.bottom - fieldRect.top;
            const auto fieldComesToShow = [&](int hue) {  // in its top right corner
                return WaitUntil([&] { return PixelOf(field, w - 3, 2) == FieldColor(FieldHue(hue), w - 3, 2, w, h, FieldRows::kTopIsFull); });
            };
            for (const auto& [part, id] : {std::pair{control, IDC_COLORPICKER_HUE_FRAME}, {field, IDC_COLORPICKER_FIELD_FRAME}}) {
                HWND placeholder = ::GetDlgItem(hwnd, id);
                EXPECT_TRUE(Same(RectInParent(part), RectInParent(placeholder)) && !::IsWindowVisible(placeholder) && !::IsWindowEnabled(placeholder));
            }
            EXPECT_EQ(::GetScrollPos(scrollBar, SB_CTL), 300) << "opens at the box's colour";
            EXPECT_TRUE(fieldComesToShow(300));
            ::SendMessageA(scrollBar, WM_KEYDOWN, VK_PRIOR, 1);
            EXPECT_TRUE(fieldComesToShow(290)) << "recoloured live";
            ::SendMessageA(field, WM_KEYDOWN, VK_HOME, 1);
            EXPECT_TRUE(WaitUntil([&] { return PixelOf(box, 4, 4) == HsbToColorRef(picked); }));
            EXPECT_EQ(::GetScrollPos(scrollBar, SB_CTL), 290) << "a pick leaves the hue";
            // A picker opened from the picker would hold the message until closed.
            DWORD_PTR ignored = 0;
            if (!::SendMessageTimeoutA(box, WM_LBUTTONDBLCLK, MK_LBUTTON, 0, SMTO_NORMAL, 3000, &ignored)) {
                ADD_FAILURE() << "a picker opened from the picker's own sample box";
                PressButton(::FindWindowA(nullptr, kCaption), IDCANCEL);  // the newest on top
            }
            PressButton(hwnd, button);
        });
        if (open == WM_LBUTTONDBLCLK) {
            ::SendMessageA(page.Part(CColorCtrl::kColorBoxId), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        } else {
            page.host.tabOrder = page.control.GetTabStops();
            Press(VK_TAB);
            Press(open);
        }
        EXPECT_TRUE(answerer.Wait());
        EXPECT_EQ(owner, page.host.GetSafeHwnd()) << "owned by the active window";
        EXPECT_EQ(page.color, button == IDOK ? picked : start);
        EXPECT_EQ(page.BoxShows(), HsbToColorRef(page.color));
        EXPECT_EQ(page.Posted(), button == IDOK ? Senders{&page.control} : Senders{});
    }
}

// Refuses the hue strip's creation, as when the system is out of window resources.
LRESULT CALLBACK RefuseHueStrip(int code, WPARAM wParam, LPARAM lParam)
{
    const bool refused = code == HCBT_CREATEWND
                         && reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->hMenu
                                == reinterpret_cast<HMENU>(static_cast<UINT_PTR>(CColorCtrl::kColorBarId));
    return refused ? 1 : ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(ColorPickerDlgTest, AControlThatCannotBeCreatedIsReportedAndTheDialogStillOpensWithTheOther)
{
    const std::unique_ptr<HHOOK__, decltype(&::UnhookWindowsHookEx)> hook(
        ::SetWindowsHookExA(WH_CBT, RefuseHueStrip, nullptr, ::GetCurrentThreadId()), &::UnhookWindowsHookEx);
    ModalAnswerer answerer;
    answerer.Then(MessageBoxWithText("Unable to initialize application"), [](HWND box) { PressButton(box, IDOK); });
    answerer.Then(WindowWithCaption(kCaption), [](HWND hwnd) {
        EXPECT_EQ(::GetDlgItem(hwnd, CColorPickerDlg::kColorCtrlId), nullptr);
        EXPECT_NE(::GetDlgItem(hwnd, CColorPickerDlg::kPickerId), nullptr);
        PressButton(hwnd, IDOK);
    });
    EXPECT_EQ(CColorPickerDlg(10, 20, 30).DoModal(), IDOK);
    EXPECT_TRUE(answerer.Wait());
}

} // namespace

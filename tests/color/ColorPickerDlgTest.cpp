// The colour picker dialog as the user meets it: opened from a sample box,
// its controls on the placeholders with the catalogue's texts (the colour
// control's caption read back as drawn), the hue and the field working
// together, closed with OK or Cancel; and a control that cannot be created.
#include "color/ColorPickerDlg.h"
#include "resource.h"
#include "services/Globals.h"
#include "services/MakerLibraries.h"
#include "services/TextCatalogue.h"
#include "tests/color/ColorTestWindows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

using namespace colortest;
using namespace qortest;

namespace {

const char kCaption[] = "Color Picker";

// The dark pixels of an area, one text row per pixel row.
std::string Ink(HDC dc, const RECT& area)
{
    std::string rows;
    for (int y = area.top; y < area.bottom; ++y, rows += '\n') {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF color = ::GetPixel(dc, x, y);
            rows += GetRValue(color) + GetGValue(color) + GetBValue(color) < 3 * 128 ? '#' : '.';
        }
    }
    return rows;
}

// A text drawn black on white where a colour control draws its caption.
std::string InkOfCaption(HFONT font, const std::string& text, const RECT& area)
{
    const CClientDC screen(nullptr);
    const CMemoryDC dc(screen.Get());
    const CBitmap bitmap(::CreateCompatibleBitmap(screen.Get(), area.right, area.bottom));
    const CSelection selectedBitmap(dc.Get(), bitmap.Get());
    const CSelection selectedFont(dc.Get(), font);
    ::PatBlt(dc.Get(), 0, 0, area.right, area.bottom, WHITENESS);
    ::TextOutA(dc.Get(), 5, 6, text.c_str(), static_cast<int>(text.size()));
    return Ink(dc.Get(), area);
}

// Opened from a sample box by a double-click, Enter or Space, and then worked
// with the keyboard: Tab goes as the dialog is seen (OK, Cancel, the hue, the
// field, never the box inside), the keys move hue and field, Enter or Escape
// closes it.
TEST(ColorPickerDlgTest, OpenedFromASampleBoxItsPartsWorkTogetherOkStoresAndPostsOnceCancelLeaves)
{
    // In German, so that the texts shown can only have come from the catalogue.
    DWORD status = 0;
    g_hTextModule = QorPcTxtLoad(nullptr, "FCUST", "DE", 0, 0, &status);
    const std::unique_ptr<void, void (*)(HANDLE)> german(g_hTextModule, [](HANDLE texts) {
        QorPcTxtUnLoad(texts);
        g_hTextModule = nullptr;
    });
    const std::string caption = GetTextString(DLG_COLORPICKER_CAPTION);
    ASSERT_NE(caption, kCaption) << "a translated catalogue";
    const HsbColor start = {300, 40, 90}, picked = {290, 0, 90};
    const std::pair<UINT, int> cases[] = {{WM_LBUTTONDBLCLK, IDOK}, {VK_RETURN, IDCANCEL}, {VK_SPACE, IDOK}};
    for (const auto& [open, button] : cases) {
        Controls page(start);  // a colour control as on the Color Settings page
        ::SetActiveWindow(page.host.GetSafeHwnd());
        HWND owner = nullptr;
        ModalAnswerer answerer;
        answerer.Then(WindowWithCaption(caption), [&, button = button](HWND hwnd) {
            owner = ::GetWindow(hwnd, GW_OWNER);
            HWND control = ::GetDlgItem(hwnd, CColorPickerDlg::kColorCtrlId);
            HWND field = ::GetDlgItem(hwnd, CColorPickerDlg::kPickerId);
            HWND box = ::GetDlgItem(control, CColorCtrl::kColorBoxId);
            HWND scrollBar = ::GetDlgItem(control, CColorCtrl::kScrollBarId);
            const auto hue = [&] { return ::GetScrollPos(scrollBar, SB_CTL); };
            const auto boxComesToShow = [&](const HsbColor& color) {
                return WaitUntil([&] { return PixelOf(box, 4, 4) == HsbToColorRef(color); });
            };
            // The field's top right corner comes to show the hue's colour.
            const auto fieldComesToShow = [&](int fieldHue) {
                RECT client = {};
                ::GetClientRect(field, &client);
                const int x = client.right - 3, y = 2;
                const ColorRef color = FieldColor(FieldHue(fieldHue), x, y, client.right, client.bottom, FieldRows::kTopIsFull);
                return WaitUntil([&] { return PixelOf(field, x, y) == color; });
            };
            const auto tabTo = [&](HWND next) {
                PressKey(hwnd, VK_TAB);
                return WaitUntil([&] { return FocusOf(hwnd) == next; });
            };
            EXPECT_EQ(DialogItemText(hwnd, IDOK), GetTextString(DLG_OK_BUTTON));
            EXPECT_EQ(DialogItemText(hwnd, IDCANCEL), GetTextString(DLG_CANCEL_BUTTON));
            // The control's caption, drawn left of its box and above its scroll bar, and its name.
            const HFONT font = reinterpret_cast<HFONT>(::SendMessageA(hwnd, WM_GETFONT, 0, 0));
            const std::string label = GetTextString(TXT_COLOR) + GetTextString(TXT_COLON);
            const RECT captionArea = {1, 1, RectInParent(box).left, RectInParent(scrollBar).top};
            const std::string expected = InkOfCaption(font, label, captionArea);
            std::string drawn;
            EXPECT_TRUE(WaitUntil([&] { return (drawn = Ink(CClientDC(control).Get(), captionArea)) == expected; }))
                << label << ":\n" << drawn;
            EXPECT_NE(expected, InkOfCaption(font, "Color:", captionArea));
            const std::pair<HWND, int> placed[] = {{control, IDC_COLORPICKER_HUE_FRAME},
                                                   {field, IDC_COLORPICKER_FIELD_FRAME}};
            for (const auto& [part, placeholder] : placed) {
                HWND frame = ::GetDlgItem(hwnd, placeholder);
                EXPECT_TRUE(Same(RectInParent(part), RectInParent(frame))) << placeholder;
                EXPECT_FALSE(::IsWindowVisible(frame) || ::IsWindowEnabled(frame)) << placeholder;
            }
            EXPECT_EQ(hue(), 300) << "opens at the box's colour";
            EXPECT_TRUE(fieldComesToShow(300));
            EXPECT_TRUE(tabTo(::GetDlgItem(hwnd, IDCANCEL)) && tabTo(scrollBar));
            PressKey(hwnd, VK_PRIOR);
            EXPECT_TRUE(fieldComesToShow(290)) << "recoloured live";
            EXPECT_TRUE(boxComesToShow(HsbColor{290, 40, 90}));
            EXPECT_TRUE(tabTo(field));
            PressKey(hwnd, VK_HOME);
            EXPECT_TRUE(boxComesToShow(picked));
            EXPECT_EQ(hue(), 290) << "a pick leaves the hue";
            EXPECT_EQ(TextOf(control), label + " hue 290, saturation 0, brightness 90");
            EXPECT_EQ(TextOf(field), label + " saturation 0, brightness 90");
            // A picker opened from the picker would hold the message until
            // closed: it is closed then (the newest window on top).
            for (const auto& [message, key] : {std::pair{WM_LBUTTONDBLCLK, MK_LBUTTON}, {WM_KEYDOWN, VK_RETURN}}) {
                DWORD_PTR ignored = 0;
                if (!::SendMessageTimeoutA(box, message, key, 0, SMTO_NORMAL, 3000, &ignored)) {
                    ADD_FAILURE() << "a picker opened from the picker's own sample box by " << message;
                    PressButton(::FindWindowA(nullptr, caption.c_str()), IDCANCEL);
                }
            }
            EXPECT_TRUE(tabTo(::GetDlgItem(hwnd, IDOK))) << "round to the start";
            PressKey(hwnd, button == IDOK ? VK_RETURN : VK_ESCAPE);
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
        EXPECT_EQ(::GetScrollPos(page.Part(CColorCtrl::kScrollBarId), SB_CTL), page.color.hue);
        EXPECT_EQ(page.BoxShows(), HsbToColorRef(page.color));
        EXPECT_EQ(page.Posted(), button == IDOK ? Senders{&page.control} : Senders{});
    }
}

// Refuses the creation of the hue strip, the one window of id 4098, as when
// the system is out of window resources: the colour control fails with it.
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
    CColorPickerDlg picker(10, 20, 30);
    HWND colorCtrl = nullptr, field = nullptr;
    ModalAnswerer answerer;
    answerer.Then(MessageBoxWithText("Unable to initialize application"), [](HWND box) { PressButton(box, IDOK); });
    answerer.Then(WindowWithCaption(kCaption), [&](HWND hwnd) {
        colorCtrl = ::GetDlgItem(hwnd, CColorPickerDlg::kColorCtrlId);
        field = ::GetDlgItem(hwnd, CColorPickerDlg::kPickerId);
        PressButton(hwnd, IDOK);
    });
    EXPECT_EQ(picker.DoModal(), IDOK);
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(colorCtrl, nullptr);
    EXPECT_NE(field, nullptr);
}

} // namespace

// The colour picker dialog as the user meets it: opened from a sample box,
// driven with the mouse and the hue scroll bar, closed with OK or Cancel.
#include "color/ColorCtrl.h"
#include "color/ColorField.h"
#include "color/ColorPickerDlg.h"
#include "frame/Globals.h"
#include "frame/MakerLibraries.h"
#include "frame/TextCatalogue.h"
#include "resource.h"
#include "tests/color/ColorTestWindows.h"
#include "tests/support/ModalAnswerer.h"

#include <gtest/gtest.h>

#include <string>

using namespace colortest;
using namespace qortest;

namespace {

const char kCaption[] = "Color Picker";

// The parts of an open picker dialog, found as a user's tools would.
struct OpenPicker {
    explicit OpenPicker(HWND hwnd)
        : dialog(hwnd),
          control(::GetDlgItem(hwnd, CColorPickerDlg::kColorCtrlId)),
          field(::GetDlgItem(hwnd, CColorPickerDlg::kPickerId)),
          box(::GetDlgItem(control, CColorCtrl::kColorBoxId)),
          scrollBar(::GetDlgItem(control, CColorCtrl::kScrollBarId))
    {
    }
    int Hue() const { return ::GetScrollPos(scrollBar, SB_CTL); }
    void DragHue(int hue) const
    {
        ::SendMessageA(control, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, hue), reinterpret_cast<LPARAM>(scrollBar));
    }
    bool BoxComesToShow(const HsbColor& color) const
    {
        return WaitUntil([&] { return PixelOf(box, 4, 4) == HsbToColorRef(color); });
    }
    // The top right pixel of the field comes to show the hue's colour.
    bool FieldComesToShow(int hue) const
    {
        RECT client = {};
        ::GetClientRect(field, &client);
        const int x = client.right - 3, y = 2;
        const ColorRef expected = FieldColor(FieldHue(hue), x, y, client.right, client.bottom, FieldRows::kTopIsFull);
        return WaitUntil([&] { return PixelOf(field, x, y) == expected; });
    }

    HWND dialog, control, field, box, scrollBar;
};

// The module's texts in German for the length of a test.
struct GermanTexts {
    GermanTexts()
    {
        DWORD status = 0;
        g_hTextModule = QorPcTxtLoad(nullptr, "FCUST", "DE", 0, 0, &status);
    }
    ~GermanTexts()
    {
        if (g_hTextModule)
            QorPcTxtUnLoad(g_hTextModule);
        g_hTextModule = nullptr;
    }
};

bool Same(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

TEST(ColorPickerDlgTest, PutsItsControlsOnThePlaceholdersAndTakesItsTextsFromTheCatalogue)
{
    const GermanTexts german;
    const std::string caption = GetTextString(DLG_COLORPICKER_CAPTION);
    ASSERT_NE(caption, kCaption) << "a translated catalogue";
    CColorPickerDlg picker(10, 20, 30);
    std::string ok, cancel;
    bool controlsPlaced = false, placeholdersGone = false;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(caption), [&](HWND hwnd) {
        const OpenPicker open(hwnd);
        ok = DialogItemText(hwnd, IDOK);
        cancel = DialogItemText(hwnd, IDCANCEL);
        HWND hueFrame = ::GetDlgItem(hwnd, IDC_COLORPICKER_HUE_FRAME);
        HWND fieldFrame = ::GetDlgItem(hwnd, IDC_COLORPICKER_FIELD_FRAME);
        controlsPlaced = Same(RectInParent(open.control), RectInParent(hueFrame))
                         && Same(RectInParent(open.field), RectInParent(fieldFrame));
        placeholdersGone = !::IsWindowVisible(hueFrame) && !::IsWindowEnabled(hueFrame)
                           && !::IsWindowVisible(fieldFrame) && !::IsWindowEnabled(fieldFrame);
        PressButton(hwnd, IDCANCEL);
    });
    EXPECT_EQ(picker.DoModal(), IDCANCEL);
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(ok, GetTextString(DLG_OK_BUTTON));
    EXPECT_EQ(cancel, GetTextString(DLG_CANCEL_BUTTON));
    EXPECT_TRUE(controlsPlaced);
    EXPECT_TRUE(placeholdersGone);
}

TEST(ColorPickerDlgTest, TheHueRecoloursTheFieldLiveAndAClickInTheFieldLeavesTheScrollBar)
{
    CColorPickerDlg picker(0, 50, 75);
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(kCaption), [&](HWND hwnd) {
        const OpenPicker open(hwnd);
        EXPECT_TRUE(open.FieldComesToShow(0));
        for (int hue : {30, 120, 240}) {
            open.DragHue(hue);
            EXPECT_TRUE(open.FieldComesToShow(hue)) << "hue " << hue;
            EXPECT_TRUE(open.BoxComesToShow(HsbColor{hue, 50, 75}));
        }
        Click(open.field, 0, 0);
        EXPECT_TRUE(open.BoxComesToShow(HsbColor{240, 0, 100}));
        EXPECT_EQ(open.Hue(), 240);
        PressButton(hwnd, IDOK);
    });
    EXPECT_EQ(picker.DoModal(), IDOK);
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(picker.GetColor(), (HsbColor{240, 0, 100}));
}

TEST(ColorPickerDlgTest, FromASampleBoxOkStoresTheColourAndPostsOnceCancelLeavesIt)
{
    for (int button : {IDOK, IDCANCEL}) {
        const HsbColor start = {300, 40, 90}, picked = {20, 0, 100};
        HsbColor color = start;
        HostWindow host;
        CColorCtrl control;
        control.SetLabel("Background Color:");
        control.SetColor(&color);
        ASSERT_TRUE(CreateChild(control, host, RECT{10, 10, 216, 80}, 4099));
        ::SetActiveWindow(host.GetSafeHwnd());
        HWND owner = nullptr;
        ModalAnswerer answerer;
        answerer.Then(WindowWithCaption(kCaption), [&](HWND hwnd) {
            owner = ::GetWindow(hwnd, GW_OWNER);
            const OpenPicker open(hwnd);
            EXPECT_EQ(open.Hue(), 300) << "opens at the box's colour";
            open.DragHue(20);
            Click(open.field, 0, 0);
            EXPECT_TRUE(open.BoxComesToShow(picked));
            PressButton(hwnd, button);
        });
        HWND box = ::GetDlgItem(control.GetSafeHwnd(), CColorCtrl::kColorBoxId);
        ::SendMessageA(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        EXPECT_TRUE(answerer.Wait());
        PumpMessages();
        EXPECT_EQ(owner, host.GetSafeHwnd()) << "owned by the active window";
        if (button == IDOK) {
            EXPECT_EQ(color, picked);
            EXPECT_EQ(::GetScrollPos(::GetDlgItem(control.GetSafeHwnd(), CColorCtrl::kScrollBarId), SB_CTL), 20);
            EXPECT_EQ(PixelOf(box, 5, 5), RGB(255, 255, 255));
            EXPECT_EQ(host.colorChanges, std::vector<CWnd*>{&control});
        } else {
            EXPECT_EQ(color, start);
            EXPECT_TRUE(host.colorChanges.empty());
        }
    }
}

TEST(ColorPickerDlgTest, ADoubleClickOnTheBoxInsideThePickerOpensNothing)
{
    CColorPickerDlg picker(10, 20, 30);
    bool returned = false;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(kCaption), [&](HWND hwnd) {
        // A picker opened from the picker would hold the message until closed.
        DWORD_PTR ignored = 0;
        returned = ::SendMessageTimeoutA(OpenPicker(hwnd).box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3),
                                         SMTO_NORMAL, 3000, &ignored) != 0;
        PressButton(hwnd, IDOK);
    });
    EXPECT_EQ(picker.DoModal(), IDOK);
    EXPECT_TRUE(answerer.Wait());
    EXPECT_TRUE(returned);
    EXPECT_EQ(picker.GetColor(), (HsbColor{10, 20, 30}));
}

// Refuses the creation of child windows with one id in parents of one class
// on this thread, as when the system is out of window resources.
class RefusedCreation {
public:
    RefusedCreation(UINT id, const char* parentClass)
        : m_hook(::SetWindowsHookExA(WH_CBT, &Hook, nullptr, ::GetCurrentThreadId()))
    {
        s_refusedId = id;
        s_parentClass = parentClass;
    }
    ~RefusedCreation() { ::UnhookWindowsHookEx(m_hook); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND) {
            const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            char parentClass[64] = {};
            ::GetClassNameA(cs->hwndParent, parentClass, sizeof(parentClass));
            if (reinterpret_cast<UINT_PTR>(cs->hMenu) == s_refusedId && s_parentClass == parentClass)
                return 1;
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline UINT s_refusedId = 0;
    static inline std::string s_parentClass;
    HHOOK m_hook;
};

TEST(ColorPickerDlgTest, AControlThatCannotBeCreatedIsReportedAndTheDialogStillOpens)
{
    // The hue strip (4098) fails the colour control; the field (4097) fails itself.
    for (UINT refused : {CColorCtrl::kColorBarId, CColorPickerDlg::kPickerId}) {
        CColorPickerDlg picker(10, 20, 30);
        const RefusedCreation refusal(refused, refused == CColorCtrl::kColorBarId ? "QorWnd" : "#32770");
        bool hasColorCtrl = true, hasField = true;
        ModalAnswerer answerer;
        answerer.Then(MessageBoxWithText("Unable to initialize application"),
                      [](HWND box) { PressButton(box, IDOK); });
        answerer.Then(WindowWithCaption(kCaption), [&](HWND hwnd) {
            hasColorCtrl = ::GetDlgItem(hwnd, CColorPickerDlg::kColorCtrlId) != nullptr;
            hasField = ::GetDlgItem(hwnd, CColorPickerDlg::kPickerId) != nullptr;
            // A pick with the colour control gone, or a hue change with the
            // field gone, touches nothing of the missing control.
            if (hasField)
                Click(OpenPicker(hwnd).field, 1, 1);
            else
                OpenPicker(hwnd).DragHue(50);
            PressButton(hwnd, IDOK);
        });
        EXPECT_EQ(picker.DoModal(), IDOK);
        EXPECT_TRUE(answerer.Wait());
        EXPECT_EQ(hasColorCtrl, refused != CColorCtrl::kColorBarId);
        EXPECT_EQ(hasField, refused != CColorPickerDlg::kPickerId);
    }
}

} // namespace

// The colour picker dialog as the user meets it: opened from a sample box,
// driven with the mouse and the hue scroll bar, closed with OK or Cancel.
#include "color/ColorCtrl.h"
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
        ::SendMessageA(control, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, hue),
                       reinterpret_cast<LPARAM>(scrollBar));
    }
    void ClickField(int x, int y) const
    {
        SendMouse(field, WM_LBUTTONDOWN, x, y);
        SendMouse(field, WM_LBUTTONUP, x, y);
    }
    COLORREF BoxShows() const { return PixelOf(box, 4, 4); }
    SIZE FieldSize() const
    {
        RECT client = {};
        ::GetClientRect(field, &client);
        return SIZE{client.right, client.bottom};
    }
    COLORREF FieldShows(int x, int y) const { return PixelOf(field, x, y); }
    // The field's colour at a point for a hue, as the per-pixel ways give it.
    COLORREF FieldColorAt(int hue, int x, int y) const
    {
        const SIZE size = FieldSize();
        return FieldColor(FieldHue(hue), x, y, size.cx, size.cy, FieldRows::kTopIsFull);
    }

    HWND dialog, control, field, box, scrollBar;
};

TEST(ColorPickerDlgTest, ShowsItsControlsInPlaceOfThePlaceholdersWithCatalogueTexts)
{
    CColorPickerDlg picker(200, 40, 60);
    std::string ok, cancel;
    RECT controlRect = {}, fieldRect = {}, hueFrame = {}, fieldFrame = {};
    bool framesHidden = false, framesDisabled = false;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(kCaption), [&](HWND hwnd) {
        const OpenPicker open(hwnd);
        ok = DialogItemText(hwnd, IDOK);
        cancel = DialogItemText(hwnd, IDCANCEL);
        controlRect = RectInParent(open.control);
        fieldRect = RectInParent(open.field);
        HWND frames[] = {::GetDlgItem(hwnd, IDC_COLORPICKER_HUE_FRAME),
                         ::GetDlgItem(hwnd, IDC_COLORPICKER_FIELD_FRAME)};
        hueFrame = RectInParent(frames[0]);
        fieldFrame = RectInParent(frames[1]);
        framesHidden = !::IsWindowVisible(frames[0]) && !::IsWindowVisible(frames[1]);
        framesDisabled = !::IsWindowEnabled(frames[0]) && !::IsWindowEnabled(frames[1]);
        PressButton(hwnd, IDCANCEL);
    });
    EXPECT_EQ(picker.DoModal(), IDCANCEL);
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(ok, "OK");
    EXPECT_EQ(cancel, "Cancel");
    EXPECT_TRUE(::EqualRect(&controlRect, &hueFrame));
    EXPECT_TRUE(::EqualRect(&fieldRect, &fieldFrame));
    EXPECT_TRUE(framesHidden);
    EXPECT_TRUE(framesDisabled);
}

// The module's texts in German for the length of a test.
class GermanTexts {
public:
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
    GermanTexts(const GermanTexts&) = delete;
    GermanTexts& operator=(const GermanTexts&) = delete;
};

TEST(ColorPickerDlgTest, TakesItsTextsFromTheCatalogueInTheUsersLanguage)
{
    const GermanTexts german;
    const std::string caption = GetTextString(DLG_COLORPICKER_CAPTION);
    const std::string cancel = GetTextString(DLG_CANCEL_BUTTON);
    ASSERT_NE(caption, kCaption) << "a translated catalogue";
    CColorPickerDlg picker(10, 20, 30);
    std::string shownCancel;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(caption), [&](HWND hwnd) {
        shownCancel = DialogItemText(hwnd, IDCANCEL);
        PressButton(hwnd, IDCANCEL);
    });
    EXPECT_EQ(picker.DoModal(), IDCANCEL);
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(shownCancel, cancel);
}

TEST(ColorPickerDlgTest, DraggingTheHueRecoloursTheFieldLiveAndKeepsTheMarker)
{
    CColorPickerDlg picker(0, 50, 75);
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(kCaption), [&](HWND hwnd) {
        const OpenPicker open(hwnd);
        const int x = open.FieldSize().cx - 3, y = 2;
        // Shown a moment later: the dialog is visible before its first paint.
        EXPECT_TRUE(WaitUntil([&] { return open.FieldShows(x, y) == open.FieldColorAt(0, x, y); }));
        for (int hue : {30, 120, 240}) {
            open.DragHue(hue);
            EXPECT_TRUE(WaitUntil([&] { return open.FieldShows(x, y) == open.FieldColorAt(hue, x, y); }))
                << "hue " << hue;
            EXPECT_EQ(open.BoxShows(), Drawn(HsbColor{hue, 50, 75}));
        }
        PressButton(hwnd, IDOK);
    });
    EXPECT_EQ(picker.DoModal(), IDOK);
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(picker.GetColor(), (HsbColor{240, 50, 75})) << "saturation and brightness stay";
}

TEST(ColorPickerDlgTest, AClickInTheFieldUpdatesTheSampleBoxButNotTheScrollBar)
{
    CColorPickerDlg picker(100, 0, 0);
    HsbColor expected = {100, 0, 0};
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(kCaption), [&](HWND hwnd) {
        const OpenPicker open(hwnd);
        const SIZE size = open.FieldSize();
        FieldPick pick = {};
        EXPECT_TRUE(PickInField(size.cx / 2, size.cy / 4, size.cx, size.cy, pick));
        expected = HsbColor{100, pick.saturation, pick.brightness};
        open.ClickField(size.cx / 2, size.cy / 4);
        EXPECT_TRUE(WaitUntil([&] { return open.BoxShows() == Drawn(expected); }));
        EXPECT_EQ(open.Hue(), 100);
        PressButton(hwnd, IDOK);
    });
    EXPECT_EQ(picker.DoModal(), IDOK);
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(picker.GetColor(), expected);
    EXPECT_NE(expected.saturation, 0);
}

// A colour control on a host window, whose sample box opens the picker.
struct ControlOutside {
    ControlOutside()
    {
        control.SetLabel("Background Color:");
        control.SetColor(&color);
        control.Create(CWnd::DefaultClassName(), "", WS_CHILD | WS_VISIBLE, RECT{10, 10, 216, 80}, &host, 4099);
        ::SetActiveWindow(host.GetSafeHwnd());
        PumpMessages();
    }
    HWND Box() const { return ::GetDlgItem(control.GetSafeHwnd(), CColorCtrl::kColorBoxId); }
    void DoubleClickBox() const { ::SendMessageA(Box(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5)); }

    HsbColor color = {300, 40, 90};
    HostWindow host;
    CColorCtrl control;
};

TEST(ColorPickerDlgTest, OpenedFromASampleBoxOkStoresTheColourAndPostsOneMessage)
{
    ControlOutside outside;
    HWND owner = nullptr;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(kCaption), [&](HWND hwnd) {
        owner = ::GetWindow(hwnd, GW_OWNER);
        const OpenPicker open(hwnd);
        EXPECT_EQ(open.Hue(), 300) << "opens at the box's colour";
        open.DragHue(20);
        open.ClickField(0, 0);
        EXPECT_TRUE(WaitUntil([&] { return open.BoxShows() == Drawn(HsbColor{20, 0, 100}); }));
        PressButton(hwnd, IDOK);
    });
    outside.DoubleClickBox();
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(owner, outside.host.GetSafeHwnd()) << "owned by the active window";
    EXPECT_EQ(outside.color, (HsbColor{20, 0, 100}));
    EXPECT_EQ(::GetScrollPos(::GetDlgItem(outside.control.GetSafeHwnd(), CColorCtrl::kScrollBarId), SB_CTL), 20);
    EXPECT_EQ(PixelOf(outside.Box(), 5, 5), RGB(255, 255, 255));
    PumpMessages();
    ASSERT_EQ(outside.host.colorChanges.size(), 1u);
    EXPECT_EQ(outside.host.colorChanges[0], &outside.control);
}

TEST(ColorPickerDlgTest, CancelLeavesTheCallersColourAndSendsNothing)
{
    ControlOutside outside;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(kCaption), [&](HWND hwnd) {
        const OpenPicker open(hwnd);
        open.DragHue(100);
        open.ClickField(5, 5);
        PressButton(hwnd, IDCANCEL);
    });
    outside.DoubleClickBox();
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(outside.color, (HsbColor{300, 40, 90}));
    PumpMessages();
    EXPECT_TRUE(outside.host.colorChanges.empty());
}

int VisibleWindowsWithCaption(DWORD thread, const std::string& caption)
{
    struct Search {
        std::string caption;
        int count;
    } search = {caption, 0};
    ::EnumThreadWindows(
        thread,
        [](HWND window, LPARAM found) {
            auto* s = reinterpret_cast<Search*>(found);
            if (::IsWindowVisible(window) && TextOf(window) == s->caption)
                ++s->count;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.count;
}

TEST(ColorPickerDlgTest, ADoubleClickOnTheBoxInsideThePickerOpensNothing)
{
    CColorPickerDlg picker(10, 20, 30);
    int pickersOpen = 0;
    ModalAnswerer answerer;
    answerer.Then(WindowWithCaption(kCaption), [&](HWND hwnd) {
        const OpenPicker open(hwnd);
        // Sent: when it returns, whatever the double-click did is done.
        ::SendMessageA(open.box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
        pickersOpen = VisibleWindowsWithCaption(::GetWindowThreadProcessId(hwnd, nullptr), kCaption);
        PressButton(hwnd, IDOK);
    });
    EXPECT_EQ(picker.DoModal(), IDOK);
    EXPECT_TRUE(answerer.Wait());
    EXPECT_EQ(pickersOpen, 1);
    EXPECT_EQ(picker.GetColor(), (HsbColor{10, 20, 30}));
}

// Refuses the creation of the child windows with one id in parents of one
// class on this thread, as when the system is out of window resources.
class RefusedCreation {
public:
    RefusedCreation(UINT id, const char* parentClass)
    {
        s_refusedId = id;
        s_parentClass = parentClass;
        m_hook = ::SetWindowsHookExA(WH_CBT, &RefusedCreation::Hook, nullptr, ::GetCurrentThreadId());
    }
    ~RefusedCreation() { ::UnhookWindowsHookEx(m_hook); }
    RefusedCreation(const RefusedCreation&) = delete;
    RefusedCreation& operator=(const RefusedCreation&) = delete;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND) {
            const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            char parentClass[64] = {};
            ::GetClassNameA(cs->hwndParent, parentClass, sizeof(parentClass));
            if ((cs->style & WS_CHILD) && reinterpret_cast<UINT_PTR>(cs->hMenu) == s_refusedId
                && s_parentClass == parentClass)
                return 1;
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static UINT s_refusedId;
    static std::string s_parentClass;
    HHOOK m_hook;
};
UINT RefusedCreation::s_refusedId = 0;
std::string RefusedCreation::s_parentClass;

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
                OpenPicker(hwnd).ClickField(1, 1);
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

// Windows for the colour tests: a host dialog for the controls under test, and a colour control and a
// field on one, editing one colour as in the picker.
#pragma once

#include "color/ColorChanged.h"
#include "color/ColorCtrl.h"
#include "color/ColorField.h"
#include "color/ColorPicker.h"
#include "framework/Dialog.h"
#include "framework/GdiHandles.h"
#include "model/ColorConversions.h"
#include "tests/support/ModalAnswerer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace colortest {

using qortest::RectInParent;
using qortest::TextOf;

// Handles what is queued for this thread, keys as a dialog's loop takes them.
inline void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!::IsDialogMessageA(::GetAncestor(msg.hwnd, GA_ROOT), &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

// A key pressed where this thread has the focus.
inline void Press(UINT key)
{
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, key, 1);
    PumpMessages();
}

// A visible modeless dialog, 500 x 200: answers WM_GETFONT with its font, records WM_COLOR_CHANGED's senders.
class HostWindow : public CDialog {
public:
    explicit HostWindow(HFONT font = nullptr)
        : CDialog(0), m_font(font)
    {
        // A template of the style alone: no items, menu, class or title.
        alignas(4) const WORD popup[12] = {LOWORD(WS_POPUP | WS_VISIBLE), HIWORD(WS_POPUP | WS_VISIBLE)};
        ::CreateDialogIndirectParamA(nullptr, reinterpret_cast<const DLGTEMPLATE*>(popup), nullptr, &Start,
                                     reinterpret_cast<LPARAM>(this));
        ::SetWindowPos(m_hWnd, nullptr, 40, 40, 500, 200, SWP_NOZORDER);
        PumpMessages();
    }

    std::vector<CWnd*> colorChanges;
    std::vector<HWND> tabOrder;

protected:
    std::vector<HWND> TabOrder() const override { return tabOrder; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_GETFONT)
            return reinterpret_cast<LRESULT>(m_font);
        if (message != WM_COLOR_CHANGED)
            return CDialog::OnMessage(message, wParam, lParam);
        colorChanges.push_back(lParam == 0 ? ColorChangedSender(wParam) : nullptr);
        return 0;
    }

private:
    static INT_PTR CALLBACK Start(HWND hwnd, UINT message, WPARAM, LPARAM lParam)
    {
        return message == WM_INITDIALOG ? reinterpret_cast<HostWindow*>(lParam)->StartDialog(hwnd) : FALSE;
    }

    HFONT m_font;
};

// A visible child of the framework's class, as the module's owners create it.
inline BOOL CreateChild(CWnd& child, CWnd& parent, const RECT& rect, UINT id)
{
    return child.Create(CWnd::DefaultClassName(), "", WS_CHILD | WS_VISIBLE, rect, &parent, id);
}

inline COLORREF PixelOf(HWND hwnd, int x, int y) { return ::GetPixel(CClientDC(hwnd).Get(), x, y); }

inline bool Same(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != FALSE; }

// A WM_LBUTTON* or WM_MOUSEMOVE (button held) at a client point, sent.
inline void SendMouse(HWND hwnd, UINT message, int x, int y)
{
    ::SendMessageA(hwnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

using Senders = std::vector<CWnd*>;
const int kField = 80;

// A colour control 206 pixels wide and an 80 x 80 field on a host.
struct Controls {
    explicit Controls(HsbColor start, HFONT font = nullptr)
        : color(start), host(font)
    {
        control.SetLabel("Foreground Color:");
        control.SetColor(&color);
        field.SetColor(&color);
        EXPECT_TRUE(CreateChild(control, host, RECT{10, 10, 216, 80}, 4096));
        EXPECT_TRUE(CreateChild(field, host, RECT{10, 100, 10 + kField, 100 + kField}, 4097));
        PumpMessages();
    }
    HWND Part(UINT id) const { return control.GetDlgItem(id); }
    HWND Field() const { return field.GetSafeHwnd(); }
    COLORREF BoxShows() const { return PixelOf(Part(CColorCtrl::kColorBoxId), 5, 5); }
    COLORREF FieldAt(int x, int y) const { return FieldColor(FieldHue(color.hue), x, y, kField, kField, FieldRows::kTopIsFull); }
    // Whether a focus rectangle's dotted line lies over two pixels of its top row.
    bool BoxCue() const { return PixelOf(Part(CColorCtrl::kColorBoxId), 1, 1) != BoxShows() || PixelOf(Part(CColorCtrl::kColorBoxId), 2, 1) != BoxShows(); }
    bool FieldCue() const { return PixelOf(Field(), 0, 0) != FieldAt(0, 0) || PixelOf(Field(), 1, 0) != FieldAt(1, 0); }
    // The WM_COLOR_CHANGED posted since the last look.
    Senders Posted()
    {
        PumpMessages();
        return std::exchange(host.colorChanges, {});
    }
    // The bounds of what is drawn over the bare field, all white: the marker.
    RECT MarkerDrawn() const
    {
        RECT drawn = {};
        for (int y = 0; y < kField; ++y) {
            for (int x = 0; x < kField; ++x) {
                const COLORREF shown = PixelOf(Field(), x, y);
                if (shown == FieldAt(x, y))
                    continue;
                EXPECT_EQ(shown, RGB(255, 255, 255)) << "at " << x << "," << y;
                const RECT pixel = {x, y, x + 1, y + 1};
                ::UnionRect(&drawn, &drawn, &pixel);
            }
        }
        return drawn;
    }
    bool CursorHeldInField() const
    {
        RECT clip = {}, window = {};
        return ::GetClipCursor(&clip) && ::GetWindowRect(Field(), &window) && Same(clip, window);
    }

    HsbColor color;
    HostWindow host;
    CColorCtrl control;
    CColorPicker field;
};

} // namespace colortest

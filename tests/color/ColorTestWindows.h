// Windows for the colour tests: a top-level host that records the
// WM_COLOR_CHANGED it receives, a colour control and a field on one, and
// reading back what a window shows.
#pragma once

#include "color/ColorChanged.h"
#include "color/ColorCtrl.h"
#include "color/ColorField.h"
#include "color/ColorPicker.h"
#include "framework/GdiHandles.h"
#include "framework/Wnd.h"
#include "model/ColorConversions.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace colortest {

// Handles what is queued for this thread (posted WM_COLOR_CHANGED, paints).
inline void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

// A visible top-level window, 500 x 200, that parents the controls under
// test, answers WM_GETFONT with the font it is given, and records the
// senders of WM_COLOR_CHANGED.
class HostWindow : public CWnd {
public:
    explicit HostWindow(HFONT font = nullptr)
        : m_font(font)
    {
        Create(DefaultClassName(), "Colour test host", WS_POPUP | WS_VISIBLE, RECT{40, 40, 540, 240},
               static_cast<HWND>(nullptr), 0);
        PumpMessages();
    }

    std::vector<CWnd*> colorChanges;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_GETFONT)
            return reinterpret_cast<LRESULT>(m_font);
        if (message != WM_COLOR_CHANGED)
            return CWnd::OnMessage(message, wParam, lParam);
        colorChanges.push_back(lParam == 0 ? ColorChangedSender(wParam) : nullptr);
        return 0;
    }

private:
    HFONT m_font;
};

// Creates a visible child of the framework's class, as the module's owners do.
inline BOOL CreateChild(CWnd& child, CWnd& parent, const RECT& rect, UINT id)
{
    return child.Create(CWnd::DefaultClassName(), "", WS_CHILD | WS_VISIBLE, rect, &parent, id);
}

// Polls a condition while other threads work; true when it came true.
inline bool WaitUntil(const std::function<bool()>& condition)
{
    for (int tries = 0; tries < 1000 && !condition(); ++tries)
        ::Sleep(5);
    return condition();
}

// What a window shows at a point of its client area.
inline COLORREF PixelOf(HWND hwnd, int x, int y)
{
    return ::GetPixel(CClientDC(hwnd).Get(), x, y);
}

inline bool Same(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

// A child window's rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND child)
{
    RECT rect = {};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A WM_LBUTTON* or WM_MOUSEMOVE (button held) at a client point, sent.
inline void SendMouse(HWND hwnd, UINT message, int x, int y)
{
    ::SendMessageA(hwnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

using Senders = std::vector<CWnd*>;
const int kField = 80;

// A colour control 206 pixels wide and an 80 x 80 field on a host, both
// editing one colour as in the picker dialog.
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
                if (shown == FieldColor(FieldHue(color.hue), x, y, kField, kField, FieldRows::kTopIsFull))
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
        ::GetClipCursor(&clip);
        ::GetWindowRect(Field(), &window);
        return Same(clip, window);
    }

    HsbColor color;
    HostWindow host;
    CColorCtrl control;
    CColorPicker field;
};

} // namespace colortest

#include "tests/color/ColorTestWindows.h"

#include "color/ColorChanged.h"

#include <gtest/gtest.h>

namespace colortest {

namespace {

const DWORD kPollMs = 5;

HBITMAP CreateCanvasBitmap(int width, int height, WORD bitsPerPixel)
{
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info = {};
    info.header.biSize = sizeof(info.header);
    info.header.biWidth = width;
    info.header.biHeight = -height;
    info.header.biPlanes = 1;
    info.header.biBitCount = bitsPerPixel;
    info.header.biCompression = BI_RGB;
    // An assortment that no field colour hits exactly: an 8-bit canvas shows
    // the nearest entries.
    for (int i = 0; i < 256; ++i) {
        info.colors[i].rgbRed = static_cast<BYTE>((i >> 5) * 36);
        info.colors[i].rgbGreen = static_cast<BYTE>(((i >> 2) & 7) * 36);
        info.colors[i].rgbBlue = static_cast<BYTE>((i & 3) * 85);
    }
    void* bits = nullptr;
    return ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits,
                              nullptr, 0);
}

} // namespace

HostWindow::HostWindow(int width, int height, HFONT font)
    : m_font(font)
{
    const RECT rect = {40, 40, 40 + width, 40 + height};
    Create(CWnd::DefaultClassName(), "Colour test host", WS_POPUP | WS_VISIBLE, rect,
           static_cast<HWND>(nullptr), 0);
    PumpMessages();
}

LRESULT HostWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COLOR_CHANGED) {
        EXPECT_EQ(lParam, 0);
        colorChanges.push_back(ColorChangedSender(wParam));
        return 0;
    }
    if (message == WM_GETFONT)
        return reinterpret_cast<LRESULT>(m_font);
    return CWnd::OnMessage(message, wParam, lParam);
}

BOOL CreateChild(CWnd& child, CWnd& parent, const RECT& rect, UINT id)
{
    return child.Create(CWnd::DefaultClassName(), "", WS_CHILD | WS_VISIBLE, rect, &parent, id);
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += kPollMs) {
        if (condition())
            return true;
        ::Sleep(kPollMs);
    }
    return condition();
}

COLORREF PixelOf(HWND hwnd, int x, int y)
{
    const CClientDC dc(hwnd);
    return ::GetPixel(dc.Get(), x, y);
}

RECT RectInParent(HWND child)
{
    RECT rect = {};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

Canvas::Canvas(int width, int height, WORD bitsPerPixel)
    : m_dc(nullptr),
      m_bitmap(CreateCanvasBitmap(width, height, bitsPerPixel)),
      m_selection(m_dc.Get(), m_bitmap.Get())
{
}

void SendMouse(HWND hwnd, UINT message, int x, int y)
{
    const WPARAM buttons = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    ::SendMessageA(hwnd, message, buttons, MAKELPARAM(x, y));
}

void Click(HWND hwnd, int x, int y)
{
    SendMouse(hwnd, WM_LBUTTONDOWN, x, y);
    SendMouse(hwnd, WM_LBUTTONUP, x, y);
}

} // namespace colortest

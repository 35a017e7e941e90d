// Windows and canvases for the colour tests: a top-level host that records
// the WM_COLOR_CHANGED it receives, a memory bitmap of a chosen depth, and
// reading back what a window shows.
#pragma once

#include "color/ColorConversions.h"
#include "framework/GdiHandles.h"
#include "framework/Wnd.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace colortest {

// A visible top-level window that parents the controls under test, answers
// WM_GETFONT with the font it is given, and records the senders of
// WM_COLOR_CHANGED.
class HostWindow : public CWnd {
public:
    explicit HostWindow(int width = 500, int height = 200, HFONT font = nullptr);

    std::vector<CWnd*> colorChanges;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HFONT m_font;
};

// Creates a visible child of the framework's class, as the module's owners do.
BOOL CreateChild(CWnd& child, CWnd& parent, const RECT& rect, UINT id);
// Handles what is queued for this thread (posted WM_COLOR_CHANGED, paints).
void PumpMessages();
// Polls a condition while other threads work; true when it came true.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// What a window shows at a point of its client area.
COLORREF PixelOf(HWND hwnd, int x, int y);
// A child window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);
// A left-button press and release at a client point, sent.
void Click(HWND hwnd, int x, int y);
// A sent WM_LBUTTON* or WM_MOUSEMOVE (button held) at a client point.
void SendMouse(HWND hwnd, UINT message, int x, int y);

// A device-independent bitmap of a given depth in a memory device context.
// Depths of 8 bits get a colour table of 256 assorted colours.
class Canvas {
public:
    Canvas(int width, int height, WORD bitsPerPixel);
    HDC Dc() const { return m_dc.Get(); }
    COLORREF PixelAt(int x, int y) const { return ::GetPixel(m_dc.Get(), x, y); }

private:
    CMemoryDC m_dc;
    CBitmap m_bitmap;
    CSelection m_selection;
};

} // namespace colortest

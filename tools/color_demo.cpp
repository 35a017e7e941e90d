// The colour controls on their own, as the demo shows them: a window with a
// foreground and a background colour control and the theme preview in their
// colours. With --picker the colour picker opens at once from the
// foreground's sample box, as a double-click would open it.
#include "color/ColorChanged.h"
#include "color/ColorCtrl.h"
#include "color/ThemePreviewWnd.h"
#include "model/ColorConversions.h"
#include "services/MakerLibraries.h"
#include "services/TextCatalogue.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// The picker opens once the window has been shown and painted.
const UINT_PTR kOpenPickerTimer = 1;
const UINT kOpenPickerDelayMs = 500;
const int kForegroundEnd = 19;  // entries 0 to 18 follow the foreground
const int kForegroundAnchor = 9;
const int kBrightnessStep = 5;  // per entry away from the anchor, lighter before it

class DemoWindow : public CWnd {
public:
    DemoWindow()
    {
        m_foreground.SetLabel(GetTextString(TXT_TEXT_COLOR_FORE) + GetTextString(TXT_COLON));
        m_foreground.SetColor(&m_foregroundColor);
        m_background.SetLabel(GetTextString(TXT_TEXT_COLOR_BACK) + GetTextString(TXT_COLON));
        m_background.SetColor(&m_backgroundColor);
    }

    // Shown without activation, the window owns no picker: under Wine's X11
    // driver a modal window owned by another stays unpainted on screen.
    BOOL Open(bool activate)
    {
        const RECT rect = {60, 60, 60 + 480, 60 + 240};
        if (!Create(CWnd::DefaultClassName(), "Qor colour controls",
                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, rect, static_cast<HWND>(nullptr), 0))
            return FALSE;
        ShowWindow(activate ? SW_SHOW : SW_SHOWNOACTIVATE);
        return TRUE;
    }

    void OpenPickerSoon() const { ::SetTimer(m_hWnd, kOpenPickerTimer, kOpenPickerDelayMs, nullptr); }

protected:
    int OnCreate(CREATESTRUCTA* cs) override
    {
        if (CWnd::OnCreate(cs) == -1)
            return -1;
        const DWORD style = WS_CHILD | WS_VISIBLE;
        const char* const className = CWnd::DefaultClassName();
        if (!m_foreground.Create(className, "", style, RECT{10, 10, 216, 80}, this, 4098)
            || !m_background.Create(className, "", style, RECT{10, 90, 216, 160}, this, 4099)
            || !m_preview.Create(className, "", style, RECT{240, 10, 448, 153}, this, 4097))
            return -1;
        m_preview.LoadPreviewBitmap(nullptr);
        ShowPreviewColors();
        return 0;
    }
    void OnPaint() override
    {
        const CPaintDC dc(m_hWnd);
        const RECT client = GetClientRect();
        ::FillRect(dc.Get(), &client, ::GetSysColorBrush(COLOR_BTNFACE));
    }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(::GetStockObject(DEFAULT_GUI_FONT));
        case WM_COLOR_CHANGED:
            ShowPreviewColors();
            return 0;
        case WM_TIMER:
            if (wParam != kOpenPickerTimer)
                break;
            ::KillTimer(m_hWnd, kOpenPickerTimer);
            OpenPickerFromForeground();
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            break;
        }
        return CWnd::OnMessage(message, wParam, lParam);
    }

private:
    // As a double-click on the sample box opens it.
    void OpenPickerFromForeground() const
    {
        HWND box = ::GetDlgItem(m_foreground.GetSafeHwnd(), CColorCtrl::kColorBoxId);
        ::PostMessageA(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    }

    // The preview's colours: the foreground group in shades of its anchor,
    // the background group in its anchor's colour.
    void ShowPreviewColors()
    {
        COLORREF colors[QORRM_COLOR_COUNT] = {};
        for (int i = 0; i < QORRM_COLOR_COUNT; ++i) {
            HsbColor shade = i < kForegroundEnd ? m_foregroundColor : m_backgroundColor;
            if (i < kForegroundEnd)
                shade.brightness = std::clamp(shade.brightness + (kForegroundAnchor - i) * kBrightnessStep, 0, 100);
            colors[i] = HsbToColorRef(shade);
        }
        RmApplyColorsForPreview(colors);
        m_preview.Invalidate();
    }

    HsbColor m_foregroundColor = {200, 35, 80};
    HsbColor m_backgroundColor = {205, 25, 75};
    CColorCtrl m_foreground;
    CColorCtrl m_background;
    CThemePreviewWnd m_preview;
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    const bool picker = std::strstr(commandLine, "--picker") != nullptr;
    DemoWindow window;
    if (!window.Open(!picker))
        return 1;
    if (picker)
        window.OpenPickerSoon();
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}

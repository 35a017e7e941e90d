// The colour controls on their own, as the demo shows them: a window with a
// foreground and a background colour control and the theme preview in their
// colours. With --picker the colour picker opens at once from the
// foreground's sample box, as a double-click would open it.
#include "color/ColorChanged.h"
#include "color/ColorConversions.h"
#include "color/ColorCtrl.h"
#include "color/ThemePreviewWnd.h"
#include "frame/MakerLibraries.h"
#include "frame/TextCatalogue.h"

#include <windows.h>

#include <cstring>

namespace {

const UINT kOpenPicker = WM_APP + 1;
const int kForegroundEnd = 19;  // entries 0 to 18 follow the foreground

class DemoWindow : public CWnd {
public:
    DemoWindow()
    {
        m_foreground.SetLabel(GetTextString(TXT_TEXT_COLOR_FORE) + GetTextString(TXT_COLON));
        m_foreground.SetColor(&m_foregroundColor);
        m_background.SetLabel(GetTextString(TXT_TEXT_COLOR_BACK) + GetTextString(TXT_COLON));
        m_background.SetColor(&m_backgroundColor);
    }

    BOOL Open()
    {
        const RECT rect = {60, 60, 60 + 480, 60 + 240};
        return Create(CWnd::DefaultClassName(), "Qor colour controls",
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE, rect,
                      static_cast<HWND>(nullptr), 0);
    }

    void OpenPickerFromForeground() const
    {
        HWND box = ::GetDlgItem(m_foreground.GetSafeHwnd(), CColorCtrl::kColorBoxId);
        ::SendMessageA(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    }

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
        case kOpenPicker:
            OpenPickerFromForeground();
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return CWnd::OnMessage(message, wParam, lParam);
        }
    }

private:
    // The preview's colours: the foreground group and the background group,
    // each in its anchor's colour.
    void ShowPreviewColors()
    {
        COLORREF colors[QORRM_COLOR_COUNT] = {};
        for (int i = 0; i < QORRM_COLOR_COUNT; ++i)
            colors[i] = HsbToColorRef(i < kForegroundEnd ? m_foregroundColor : m_backgroundColor);
        RmApplyColorsForPreview(colors);
        m_preview.Invalidate();
    }

    HsbColor m_foregroundColor = {200, 25, 95};
    HsbColor m_backgroundColor = {205, 25, 75};
    CColorCtrl m_foreground;
    CColorCtrl m_background;
    CThemePreviewWnd m_preview;
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    DemoWindow window;
    if (!window.Open())
        return 1;
    if (std::strstr(commandLine, "--picker"))
        window.PostMessage(kOpenPicker);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}

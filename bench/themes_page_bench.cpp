// Side by side, in one run: how fast the Color Settings page works.
//  1. one hue step on the page: WM_HSCROLL with thumb tracking on the
//     foreground colour control until the preview and both time bars are
//     repainted; the same step with the two hue scroll bars hidden is the
//     module's share, the rest is the system scroll bars' own redraw;
//  2. the time bar's repaint from one buffer against one brush per column,
//     208 and 1,000 pixels wide;
//  3. the sheet opened on the page until its first paint with 10, 100 and
//     1,000 colour settings, against the bare registry enumeration of the
//     same settings.
// Works on the theme "Bench" of the user hive and removes it afterwards. Run
// it under the X11 driver (bench/run-color-bench.sh themes_page_bench): the
// null driver has no real surfaces.
#include "bench/BenchSupport.h"
#include "color/TimeCtrl.h"
#include "frame/CustomizeSheet.h"
#include "framework/GdiHandles.h"
#include "pages/GeneralPage.h"
#include "pages/ThemesPage.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

using namespace bench;

namespace {

const char kBenchTheme[] = "Software\\Qor\\General\\Appearance\\Themes\\Bench";
const char kLibraryKey[] = "Software\\Qor\\ThemeLibrary";
const int kCounts[3] = {10, 100, 1000};
const int kBarWidths[2] = {208, 1000};
const int kBarHeight = 10;
const int kTimeCtrlInset = 30 + 2;  // the control's side insets and the bar's edge

// The theme "Bench", active in the library, with count scheduled settings.
void Seed(int count)
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kBenchTheme);
    SetUserString(kBenchTheme, "Path", "C:\\windows");
    SetUserString(kBenchTheme, "ActiveColorSetting", "Setting 0000");
    SetUserString(kLibraryKey, "ActiveTheme", "Bench");
    SeedSettings(kBenchTheme, count);
}

// The page noting when it first painted.
class CTimedThemesPage : public CThemesPage {
public:
    double firstPaint = 0;

protected:
    void OnPaint() override
    {
        CThemesPage::OnPaint();
        if (firstPaint == 0)
            firstPaint = NowMs();
    }
};

// What runs once the sheet is up, on the sheet's thread; it closes the sheet.
CTimedThemesPage* g_page = nullptr;
std::function<void(HWND page)> g_onShown;

// Called by a thread timer: timer messages come after every pending paint,
// so a call after the page's first paint sees the sheet painted whole.
void CALLBACK WhenShown(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (!g_page || g_page->firstPaint == 0)
        return;
    ::KillTimer(nullptr, timer);
    HWND page = g_page->GetSafeHwnd();
    g_onShown(page);
    ::PostMessageA(::GetParent(page), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

// Opens the customizing sheet on the page, runs onShown once it is painted
// and closes it; answers the milliseconds until the page's first paint.
double RunSheet(const std::function<void(HWND page)>& onShown)
{
    CCustomizeSheet sheet("Qor GUI Settings", nullptr, 1);
    CGeneralPage general;
    CTimedThemesPage themes;
    sheet.AddPage(&general);
    sheet.AddPage(&themes);
    g_page = &themes;
    g_onShown = onShown;
    const double start = NowMs();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 1, &WhenShown);
    sheet.DoModal();
    ::KillTimer(nullptr, timer);
    g_page = nullptr;
    return themes.firstPaint - start;
}

struct HueStepFigures {
    double step = 0;             // the whole step
    double hiddenBars = 0;       // with the hue scroll bars hidden: the module's share
    double scrollBarRedraw = 0;  // one SetScrollPos with redraw
    // What the step repaints, each alone.
    double preview = 0;
    double timeCtrl = 0;
    double colorBox = 0;
    double empty = 0;  // a window that paints nothing: what any repaint costs
    int paints = 0;    // windows painted in one step, the scroll bars hidden
};

// Counts the paints of this thread's windows while it lives.
class CPaintCounter {
public:
    CPaintCounter()
        : m_sent(::SetWindowsHookExA(WH_CALLWNDPROC, &Sent, nullptr, ::GetCurrentThreadId()))
        , m_posted(::SetWindowsHookExA(WH_GETMESSAGE, &Posted, nullptr, ::GetCurrentThreadId()))
    {
        s_count = 0;
    }
    ~CPaintCounter()
    {
        ::UnhookWindowsHookEx(m_sent);
        ::UnhookWindowsHookEx(m_posted);
    }
    CPaintCounter(const CPaintCounter&) = delete;
    CPaintCounter& operator=(const CPaintCounter&) = delete;
    int Count() const { return s_count; }

private:
    static LRESULT CALLBACK Sent(int code, WPARAM wParam, LPARAM lParam)
    {
        s_count += code == HC_ACTION && reinterpret_cast<CWPSTRUCT*>(lParam)->message == WM_PAINT;
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK Posted(int code, WPARAM wParam, LPARAM lParam)
    {
        s_count += code == HC_ACTION && wParam == PM_REMOVE && reinterpret_cast<MSG*>(lParam)->message == WM_PAINT;
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline int s_count = 0;
    HHOOK m_sent;
    HHOOK m_posted;
};

// The foreground colour control (with a hue scroll bar) or a time control
// (without one): the page gives the three the same id.
HWND ControlWithId4098(HWND page, bool hasScrollBar)
{
    for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(child) == static_cast<int>(CThemesPage::kForegroundId)
            && (::GetDlgItem(child, CColorCtrl::kScrollBarId) != nullptr) == hasScrollBar)
            return child;
    }
    return nullptr;
}

void MeasureHueStep(HWND page, HueStepFigures& figures)
{
    HWND control = ControlWithId4098(page, true);
    HWND scrollBar = ::GetDlgItem(control, CColorCtrl::kScrollBarId);
    HWND backgroundBar = ::GetDlgItem(::GetDlgItem(page, CThemesPage::kBackgroundId), CColorCtrl::kScrollBarId);
    const auto step = [&](int i) {
        ::SendMessageA(control, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, i % 360), reinterpret_cast<LPARAM>(scrollBar));
        Pump();  // the page refreshes on the posted WM_COLOR_CHANGED
    };
    figures.step = TimePerCall(300, step);
    figures.scrollBarRedraw = TimePerCall(300, [&](int i) { ::SetScrollPos(scrollBar, SB_CTL, i % 360, TRUE); });
    const auto redraw = [](HWND window) {
        return TimePerCall(300, [window](int) { ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); });
    };
    figures.preview = redraw(::GetDlgItem(page, CThemesPage::kPreviewId));
    figures.timeCtrl = redraw(ControlWithId4098(page, false));
    figures.colorBox = redraw(::GetDlgItem(control, CColorCtrl::kColorBoxId));
    CEmptyWnd empty;
    empty.Create(CWnd::DefaultClassName(), "", WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 50}, page, 1);
    figures.empty = redraw(empty.GetSafeHwnd());
    empty.DestroyWindow();
    ::ShowWindow(scrollBar, SW_HIDE);
    ::ShowWindow(backgroundBar, SW_HIDE);
    figures.hiddenBars = TimePerCall(300, step);
    const CPaintCounter counter;
    step(7);
    figures.paints = counter.Count();
}

struct BarFigures {
    double window = 0;     // the bar's own repaint, the module's way for this display
    double buffer = 0;     // painting alone into the bar, one buffer
    double perColumn = 0;  // painting alone into the bar, a brush per column
};

void MeasureBar(CWnd& host, int width, BarFigures& figures)
{
    HsbColor start = {20, 80, 90}, end = {230, 60, 40};
    CTimeCtrl control;
    control.SetColors(&start, &end);
    control.Create(CWnd::DefaultClassName(), "", WS_CHILD | WS_VISIBLE, RECT{0, 0, width + kTimeCtrlInset, 60},
                   &host, CThemesPage::kTimeCtrlId);
    Pump();
    HWND bar = control.GetDlgItem(CTimeCtrl::kTimeBarId);
    const CTimeBlend blend(start, end, width);
    const CClientDC dc(bar);
    figures.window = TimePerCall(300, [&](int) {
        ::InvalidateRect(bar, nullptr, TRUE);
        ::UpdateWindow(bar);
    });
    figures.buffer = TimePerCall(300, [&](int) { CTimeBar::Paint(dc.Get(), blend, kBarHeight, CTimeBar::Painting::kOneBuffer); });
    figures.perColumn = TimePerCall(300, [&](int) { CTimeBar::Paint(dc.Get(), blend, kBarHeight, CTimeBar::Painting::kPerColumn); });
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    {
        const CClientDC screen(nullptr);
        std::printf("display: %d bits per pixel\n", ::GetDeviceCaps(screen.Get(), BITSPIXEL));
    }

    double open[3] = {}, bare[3] = {};
    for (int i = 0; i < 3; ++i) {
        Seed(kCounts[i]);
        open[i] = 1e30;
        for (int round = 0; round < 3; ++round)
            open[i] = std::min(open[i], RunSheet([](HWND) {}));
        bare[i] = TimePerCall(5, [](int) { ReadSettingsBare(kBenchTheme); });
    }
    HueStepFigures hue;
    RunSheet([&](HWND page) { MeasureHueStep(page, hue); });

    CHost host;
    host.Create(CWnd::DefaultClassName(), "Time bar benchmark", WS_POPUP | WS_VISIBLE, RECT{0, 0, 1100, 100},
                static_cast<HWND>(nullptr), 0);
    Pump();
    BarFigures bars[2];
    for (int i = 0; i < 2; ++i)
        MeasureBar(host, kBarWidths[i], bars[i]);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kBenchTheme);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kBenchTheme);
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kLibraryKey, "ActiveTheme");

    std::printf("\n1. one hue step on the page (thumb tracking to the preview and both time bars repainted)\n");
    std::printf("   whole step %.3f ms (%.2f of a 60 Hz frame); module's share %.3f ms"
                " (the hue scroll bars hidden); the system scroll bars' redraw %.3f ms"
                " (one SetScrollPos with redraw: %.3f ms)\n",
                hue.step, hue.step / kFrameMs, hue.hiddenBars, hue.step - hue.hiddenBars, hue.scrollBarRedraw);
    std::printf("   each alone: preview %.3f, time control with its bar %.3f, sample box %.3f;"
                " an empty window %.3f ms\n",
                hue.preview, hue.timeCtrl, hue.colorBox, hue.empty);
    std::printf("   the module's share repaints %d windows: %.3f ms at an empty window's cost each, %.3f ms"
                " of its own work\n",
                hue.paints, hue.paints * hue.empty, hue.hiddenBars - hue.paints * hue.empty);
    std::printf("\n2. time bar repaint, ms\n");
    for (int i = 0; i < 2; ++i)
        std::printf("   %4d wide: window %.3f; painting alone: one buffer %.3f, a brush per column %.3f"
                    " (%.1fx the buffer)\n",
                    kBarWidths[i], bars[i].window, bars[i].buffer, bars[i].perColumn,
                    bars[i].perColumn / bars[i].buffer);
    std::printf("\n3. sheet opened on the page to its first paint, ms\n");
    for (int i = 0; i < 3; ++i)
        std::printf("   %4d settings: %.1f (%.3f per setting); bare registry enumeration %.2f; ratio %.1f\n",
                    kCounts[i], open[i], open[i] / kCounts[i], bare[i], open[i] / bare[i]);
    std::printf("   growth from 100 to 1,000 settings: %.2f ms per added setting\n",
                (open[2] - open[1]) / (kCounts[2] - kCounts[1]));
    return 0;
}

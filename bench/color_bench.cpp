// Side by side, in one run: how fast the colour picker's field repaints.
//  1. after a hue change, at 80 x 80 and 400 x 400: this module's field, the
//     per-pixel way (a SetPixel per pixel into a compatible bitmap, what the
//     field's literal algorithm does on a 32-bit display), and the colour
//     field of the system's colour dialog (ChooseColor) repainting the same
//     area (its field is smaller than 400 x 400: then all of it);
//  2. during a saturation/brightness drag (same hue);
//  3. one hue drag step in the picker dialog: WM_HSCROLL with thumb tracking
//     until the field and the sample box are repainted.
// Window repaints include what the window system costs for any repaint (an
// empty window's repaint is shown); the painting work alone is also timed
// into a memory bitmap. Run it under the X11 driver
// (bench/run-color-bench.sh): the null driver has no real surfaces.
#include "bench/BenchSupport.h"
#include "color/ColorCtrl.h"
#include "color/ColorField.h"
#include "color/ColorPicker.h"
#include "color/ColorPickerDlg.h"
#include "color/FieldPainter.h"
#include "framework/GdiHandles.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace bench;

namespace {

const int kSizes[2] = {80, 400};
const int kFieldIdInColorDialog = 0x2C6;  // the hue/saturation field of ChooseColor
const UINT_PTR kStartTimer = 1;
const UINT kShownMs = 300;                // a dialog is shown once its thread is idle

int Repeats(int size, int small, int large)
{
    return size > 100 ? large : small;
}

// The field's literal algorithm on a 32-bit display: a compatible memory
// bitmap filled with one SetPixel per pixel, copied to dc.
void PaintPerPixel(HDC dc, int width, int height, int hue)
{
    const CMemoryDC memory(dc);
    const CBitmap bitmap(::CreateCompatibleBitmap(dc, width, height));
    const CSelection selected(memory.Get(), bitmap.Get());
    const float fieldHue = FieldHue(hue);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y)
            ::SetPixel(memory.Get(), x, y, FieldColor(fieldHue, x, y, width, height, FieldRows::kTopIsFull));
    }
    ::BitBlt(dc, 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY);
}

class CPerPixelField : public CWnd {
public:
    int hue = 0;

protected:
    void OnPaint() override
    {
        const CPaintDC dc(m_hWnd);
        const RECT client = GetClientRect();
        PaintPerPixel(dc.Get(), client.right, client.bottom, hue);
    }
};

struct FieldFigures {
    double empty = 0;           // an empty window's repaint
    double module = 0;          // hue change, window repaint
    double moduleSameHue = 0;   // saturation/brightness change, window repaint
    double perPixel = 0;        // hue change, window repaint
    double paintModule = 0;     // hue change, painting alone
    double paintSameHue = 0;    // same hue, painting alone
    double paintPerPixel = 0;   // painting alone
    unsigned computedWhileDragging = 0;
};

template <class Window>
void CreateChild(Window& window, CWnd& host, int size)
{
    window.Create(CWnd::DefaultClassName(), "", WS_CHILD | WS_VISIBLE, RECT{10, 10, 10 + size, 10 + size},
                  &host, 1);
    Pump();
}

void MeasureWindows(CWnd& host, int size, FieldFigures& figures)
{
    {
        CEmptyWnd empty;
        CreateChild(empty, host, size);
        figures.empty = TimePerCall(500, [&](int) { empty.RedrawNow(); });
    }
    HsbColor color = {0, 50, 50};
    {
        CColorPicker field;
        field.SetColor(&color);
        CreateChild(field, host, size);
        figures.module = TimePerCall(Repeats(size, 1000, 200), [&](int i) {
            color.hue = i % 360;
            field.RedrawNow();
        });
        const unsigned computed = field.GetFieldComputeCount();
        figures.moduleSameHue = TimePerCall(Repeats(size, 1000, 200), [&](int i) {
            color.saturation = i % 100;
            color.brightness = 100 - i % 100;
            field.RedrawNow();
        });
        figures.computedWhileDragging = field.GetFieldComputeCount() - computed;
    }
    CPerPixelField perPixel;
    CreateChild(perPixel, host, size);
    figures.perPixel = TimePerCall(Repeats(size, 20, 3), [&](int i) {
        perPixel.hue = i % 360;
        perPixel.RedrawNow();
    });
}

void MeasurePainting(int size, FieldFigures& figures)
{
    const CClientDC screen(nullptr);
    const CMemoryDC memory(screen.Get());
    const CBitmap bitmap(::CreateCompatibleBitmap(screen.Get(), size, size));
    const CSelection selected(memory.Get(), bitmap.Get());
    CFieldPainter painter;
    const int depth = ::GetDeviceCaps(screen.Get(), BITSPIXEL);
    figures.paintModule = TimePerCall(Repeats(size, 1000, 200),
                                      [&](int i) { painter.Draw(memory.Get(), size, size, i % 360, depth); });
    figures.paintSameHue = TimePerCall(Repeats(size, 1000, 200),
                                       [&](int) { painter.Draw(memory.Get(), size, size, 7, depth); });
    figures.paintPerPixel = TimePerCall(Repeats(size, 20, 3),
                                        [&](int i) { PaintPerPixel(memory.Get(), size, size, i % 360); });
}

// The system colour dialog repainting an area of its field, measured from
// its hook once the dialog is shown.
struct SystemDialogFigures {
    double ms[2] = {};
    long pixels[2] = {};
    SIZE field = {};
    bool repaints = false;  // the field really is painted again
};
SystemDialogFigures g_system;

bool RepaintsArea(HWND dialog, const RECT& area)
{
    const CClientDC dc(dialog);
    const POINT probe = {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    const RECT dot = {probe.x, probe.y, probe.x + 1, probe.y + 1};
    ::FillRect(dc.Get(), &dot, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    const COLORREF blackened = ::GetPixel(dc.Get(), probe.x, probe.y);
    ::RedrawWindow(dialog, &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return blackened == RGB(0, 0, 0) && ::GetPixel(dc.Get(), probe.x, probe.y) != RGB(0, 0, 0);
}

void MeasureOpenColorDialog(HWND dialog)
{
    HWND field = ::GetDlgItem(dialog, kFieldIdInColorDialog);
    RECT fieldRect = {};
    ::GetWindowRect(field, &fieldRect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&fieldRect), 2);
    g_system.field = SIZE{fieldRect.right - fieldRect.left, fieldRect.bottom - fieldRect.top};
    g_system.repaints = RepaintsArea(dialog, fieldRect);
    for (int i = 0; i < 2; ++i) {
        RECT area = fieldRect;
        area.right = std::min(area.right, area.left + kSizes[i]);
        area.bottom = std::min(area.bottom, area.top + kSizes[i]);
        g_system.pixels[i] = (area.right - area.left) * (area.bottom - area.top);
        g_system.ms[i] = TimePerCall(500, [&](int) {
            ::RedrawWindow(dialog, &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        });
    }
}

UINT_PTR CALLBACK ColorDialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        ::SetTimer(dialog, kStartTimer, kShownMs, nullptr);
    if (message != WM_TIMER || wParam != kStartTimer)
        return FALSE;
    ::KillTimer(dialog, kStartTimer);
    MeasureOpenColorDialog(dialog);
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return TRUE;
}

void MeasureSystemDialog(HWND owner)
{
    static COLORREF custom[16] = {};
    CHOOSECOLORA choose = {};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner;
    choose.rgbResult = RGB(40, 120, 200);
    choose.lpCustColors = custom;
    choose.Flags = CC_FULLOPEN | CC_RGBINIT | CC_ENABLEHOOK;
    choose.lpfnHook = &ColorDialogHook;
    ::ChooseColorA(&choose);
}

// The picker dialog timing its own hue drag once it is shown.
class CMeasuredPicker : public CColorPickerDlg {
public:
    CMeasuredPicker() : CColorPickerDlg(0, 60, 80) {}
    double stepMs = 0;
    double scrollBarMs = 0;  // the system scroll bar moving its thumb, with redraw
    SIZE field = {};

protected:
    BOOL OnInitDialog() override
    {
        CColorPickerDlg::OnInitDialog();
        ::SetTimer(m_hWnd, kStartTimer, kShownMs, nullptr);
        return TRUE;
    }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_TIMER || wParam != kStartTimer)
            return CColorPickerDlg::OnMessage(message, wParam, lParam);
        ::KillTimer(m_hWnd, kStartTimer);
        HWND control = GetDlgItem(kColorCtrlId);
        HWND scrollBar = ::GetDlgItem(control, CColorCtrl::kScrollBarId);
        RECT client = {};
        ::GetClientRect(GetDlgItem(kPickerId), &client);
        field = SIZE{client.right, client.bottom};
        stepMs = TimePerCall(300, [&](int i) {
            ::SendMessageA(control, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, i % 360),
                           reinterpret_cast<LPARAM>(scrollBar));
            Pump();  // the field repaints on the posted WM_COLOR_CHANGED
        });
        scrollBarMs = TimePerCall(300, [&](int i) { ::SetScrollPos(scrollBar, SB_CTL, i % 360, TRUE); });
        EndDialog(IDOK);
        return 0;
    }
};

void Report(const FieldFigures (&figures)[2], const CMeasuredPicker& picker)
{
    std::printf("system colour dialog's field: %ld x %ld, repainted by the measured call: %s\n",
                g_system.field.cx, g_system.field.cy, g_system.repaints ? "yes" : "NO");

    std::printf("\n1. field repaint after a hue change, ms per repaint\n");
    for (int i = 0; i < 2; ++i) {
        const FieldFigures& f = figures[i];
        const double pixels = static_cast<double>(kSizes[i]) * kSizes[i];
        std::printf("   %d x %d (an empty window's repaint: %.3f)\n", kSizes[i], kSizes[i], f.empty);
        std::printf("     window:  module %.3f   per-pixel %.3f   system dialog %.3f (%ld pixels)\n", f.module,
                    f.perPixel, g_system.ms[i], g_system.pixels[i]);
        std::printf("              per-pixel / module %.1fx   system dialog / module %.2fx"
                    "   per pixel painted %.2fx\n",
                    f.perPixel / f.module, g_system.ms[i] / f.module,
                    (g_system.ms[i] / static_cast<double>(g_system.pixels[i])) / (f.module / pixels));
        std::printf("     painting alone:  module %.3f   per-pixel %.3f   per-pixel / module %.1fx\n",
                    f.paintModule, f.paintPerPixel, f.paintPerPixel / f.paintModule);
    }

    std::printf("\n2. field repaint during a saturation/brightness drag (same hue), ms per repaint\n");
    for (int i = 0; i < 2; ++i) {
        const FieldFigures& f = figures[i];
        std::printf("   %d x %d  window: %.3f (hue change %.2fx of it, per-pixel %.1fx)"
                    "   painting alone: %.3f (hue change %.1fx of it)   fields computed: %u\n",
                    kSizes[i], kSizes[i], f.moduleSameHue, f.module / f.moduleSameHue,
                    f.perPixel / f.moduleSameHue, f.paintSameHue, f.paintModule / f.paintSameHue,
                    f.computedWhileDragging);
    }

    std::printf("\n3. one hue drag step in the picker dialog (field %ld x %ld, and the sample box)\n",
                picker.field.cx, picker.field.cy);
    std::printf("   %.3f ms per step: %.3f of a 60 Hz frame (%.0fx inside it);"
                " the system scroll bar's own redraw takes %.3f of it\n",
                picker.stepMs, picker.stepMs / kFrameMs, kFrameMs / picker.stepMs, picker.scrollBarMs);
}

} // namespace

int main()
{
    CHost host;
    host.Create(CWnd::DefaultClassName(), "Colour field benchmark", WS_POPUP | WS_VISIBLE,
                RECT{0, 0, 840, 440}, static_cast<HWND>(nullptr), 0);
    Pump();
    {
        const CClientDC screen(nullptr);
        std::printf("display: %d bits per pixel\n", ::GetDeviceCaps(screen.Get(), BITSPIXEL));
    }
    FieldFigures figures[2];
    for (int i = 0; i < 2; ++i) {
        MeasureWindows(host, kSizes[i], figures[i]);
        MeasurePainting(kSizes[i], figures[i]);
    }
    MeasureSystemDialog(host.GetSafeHwnd());
    CMeasuredPicker picker;
    picker.DoModal();
    Report(figures, picker);
    return 0;
}

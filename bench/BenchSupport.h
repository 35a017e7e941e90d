// What the benchmark programs share: a clock, message pumping, timing a step
// as the best of three rounds, two plain windows, and the floor of reading
// colour settings - a bare loop over the registry API.
#pragma once

#include "framework/GdiHandles.h"
#include "framework/Wnd.h"

#include <windows.h>

#include <algorithm>
#include <functional>

namespace bench {

inline double NowMs()
{
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

inline void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Milliseconds per call of step: the best of three rounds of count calls,
// after one call to warm up (first paints, first allocations).
inline double TimePerCall(int count, const std::function<void(int)>& step)
{
    step(0);
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        const double start = NowMs();
        for (int i = 1; i <= count; ++i)
            step(i);
        ::GdiFlush();
        best = std::min(best, (NowMs() - start) / count);
    }
    return best;
}

// A window that paints nothing: what any repaint costs.
class CEmptyWnd : public CWnd {
protected:
    void OnPaint() override { const CPaintDC dc(m_hWnd); }
};

// A top-level host for the windows measured, in the dialog face.
class CHost : public CWnd {
protected:
    void OnPaint() override
    {
        const CPaintDC dc(m_hWnd);
        const RECT client = GetClientRect();
        ::FillRect(dc.Get(), &client, ::GetSysColorBrush(COLOR_BTNFACE));
    }
};

// The five values of a colour setting.
inline const char* const kSettingValueNames[] = {"strPaletteMain", "strPaletteShift", "bTimeActivated",
                                                 "strTimeSettings", "bWriteProtected"};

// Enumerates the subkeys of a theme key of the user hive, opens each and
// reads its five values; answers how many were read.
inline int ReadSettingsBare(const char* themeKey)
{
    HKEY theme = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, themeKey, 0, KEY_READ, &theme) != ERROR_SUCCESS)
        return 0;
    int read = 0;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof(name);
        if (::RegEnumKeyExA(theme, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY setting = nullptr;
        if (::RegOpenKeyExA(theme, name, 0, KEY_READ, &setting) != ERROR_SUCCESS)
            continue;
        for (const char* value : kSettingValueNames) {
            BYTE data[256];
            DWORD size = sizeof(data);
            ::RegQueryValueExA(setting, value, nullptr, nullptr, data, &size);
        }
        ::RegCloseKey(setting);
        ++read;
    }
    ::RegCloseKey(theme);
    return read;
}

} // namespace bench

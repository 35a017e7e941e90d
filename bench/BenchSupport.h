// What the benchmark programs share: a clock, message pumping, timing a step
// as the best of three rounds, two plain windows, seeding colour settings, and
// the floor of reading them - a bare loop over the registry API.
#pragma once

#include "framework/GdiHandles.h"
#include "framework/Wnd.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

namespace bench {

// One frame of a 60 Hz display.
inline const double kFrameMs = 1000.0 / 60.0;

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

inline void SetString(HKEY key, const char* name, const std::string& text)
{
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1));
}

inline void SetNumber(HKEY key, const char* name, DWORD value)
{
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

// A string value of the user hive, its key created when missing.
inline void SetUserString(const std::string& path, const char* name, const std::string& text)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return;
    SetString(key, name, text);
    ::RegCloseKey(key);
}

// Settings "Setting 0000" to count - 1 below a theme key of the user hive,
// each scheduled, writable, with the same palette.
inline void SeedSettings(const std::string& themeKey, int count)
{
    const char palette[] =
        "9c9b8ffefeeef5f4e2ebead8e1e0cfd9d7c6d1d0c1cccbbcc2c1b2b8b7a9aeada0a3a296919186807f7575756c6b6a"
        "625c5b5451514b42423d658190829cab8faaba95b2c3";
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "\\Setting %04d", i);
        HKEY key = nullptr;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, (themeKey + name).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr) != ERROR_SUCCESS)
            continue;
        SetString(key, "strPaletteMain", palette);
        SetString(key, "strPaletteShift", palette);
        SetNumber(key, "bTimeActivated", 1);
        SetString(key, "strTimeSettings", "Day;08:00;18:00");
        SetNumber(key, "bWriteProtected", 0);
        ::RegCloseKey(key);
    }
}

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

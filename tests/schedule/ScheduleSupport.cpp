#include "tests/schedule/ScheduleSupport.h"

#include "tests/schedule/ScheduleCases.h"
#include "tests/support/Registry.h"

#include <gtest/gtest.h>

namespace scheduletest {

void StoreScheduledSetting(const ColorList& mainColors, const ColorList& shiftColors,
                           const std::string& timeSettings, DWORD scheduled)
{
    using namespace qortest;
    const std::string key = std::string(kThemesKey) + "\\Lark\\Evening";
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftTheme", "Lark");
    SetString(HKEY_CURRENT_USER, kAppearanceKey, "HueShiftColor", "Evening");
    SetString(HKEY_CURRENT_USER, key, "strPaletteMain", Hex(mainColors, ""));
    SetString(HKEY_CURRENT_USER, key, "strPaletteShift", Hex(shiftColors, ""));
    SetDword(HKEY_CURRENT_USER, key, "bTimeActivated", scheduled);
    SetString(HKEY_CURRENT_USER, key, "strTimeSettings", timeSettings);
}

AppearanceWindow::AppearanceWindow(const char* className)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    // Registered by an earlier window of the same class: that is fine.
    if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        ADD_FAILURE() << "class " << className << " not registered: " << ::GetLastError();
    m_hwnd = ::CreateWindowExA(0, className, "schedule test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                               nullptr, nullptr, wc.hInstance, nullptr);
    EXPECT_NE(m_hwnd, nullptr) << className;
    ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK AppearanceWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const UINT appearance = ::RegisterWindowMessageA("QOR_MSG_APPEARANCE");
    auto* self = reinterpret_cast<AppearanceWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && message == appearance) {
        self->received.push_back(std::to_string(wParam) + " " + std::to_string(lParam));
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

void DispatchFor(DWORD milliseconds)
{
    const DWORD end = ::GetTickCount() + milliseconds;
    do {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    } while (static_cast<LONG>(end - ::GetTickCount()) > 0);
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        DispatchFor(20);
    }
    return true;
}

} // namespace scheduletest

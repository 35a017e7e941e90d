// Messages as the tests see them arrive: this thread's queue handled for a while, and a window that records
// the appearance message.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace qortest {

// Handles what reaches this thread's windows until the condition holds (true) or the time is up (false).
inline bool DispatchUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000)
{
    const DWORD end = ::GetTickCount() + timeoutMs;
    for (MSG msg;; ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT)) {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        if (done())
            return true;
        if (static_cast<LONG>(end - ::GetTickCount()) <= 0)
            return false;
    }
}

inline void DispatchFor(DWORD milliseconds) { DispatchUntil([] { return false; }, milliseconds); }

// A hidden top-level window of the given class that records each appearance message as "code parameter".
class AppearanceWindow {
public:
    explicit AppearanceWindow(const char* className)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &WindowProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = className;
        ::RegisterClassA(&wc);  // or registered by an earlier window
        m_hwnd = ::CreateWindowExA(0, className, "test window", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                   nullptr, wc.hInstance, nullptr);
        EXPECT_NE(m_hwnd, nullptr) << className;
        ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~AppearanceWindow() { ::DestroyWindow(m_hwnd); }
    AppearanceWindow(const AppearanceWindow&) = delete;
    AppearanceWindow& operator=(const AppearanceWindow&) = delete;

    HWND Handle() const { return m_hwnd; }

    std::vector<std::string> received;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        static const UINT appearance = ::RegisterWindowMessageA("QOR_MSG_APPEARANCE");
        auto* self = reinterpret_cast<AppearanceWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (!self || message != appearance)
            return ::DefWindowProcA(hwnd, message, wParam, lParam);
        self->received.push_back(std::to_string(wParam) + " " + std::to_string(lParam));
        return 0;
    }

    HWND m_hwnd = nullptr;
};

} // namespace qortest

#include "tests/schedule/AppearanceWindow.h"

#include <gtest/gtest.h>

#include <sstream>

namespace scheduletest {

namespace {

UINT AppearanceMessage()
{
    static const UINT message = ::RegisterWindowMessageA("QOR_MSG_APPEARANCE");
    return message;
}

} // namespace

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
                               nullptr, nullptr, wc.hInstance, this);
    EXPECT_NE(m_hwnd, nullptr) << className;
}

AppearanceWindow::~AppearanceWindow()
{
    if (m_hwnd)
        ::DestroyWindow(m_hwnd);
}

LRESULT CALLBACK AppearanceWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<AppearanceWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && message == AppearanceMessage()) {
        self->received.push_back(std::to_string(wParam) + " " + std::to_string(lParam));
        if (self->onAppearance)
            self->onAppearance();
        return 0;
    }
    if (message == WM_NCDESTROY)
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
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

std::vector<std::string> OutputLines(const std::string& output)
{
    std::vector<std::string> lines;
    std::istringstream stream(output);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace scheduletest

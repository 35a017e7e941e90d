// A DLL built like the module with nothing of its own: BlankUse alone shows
// what the toolchain leaves per load; the other exports use the framework's
// window class and thread timer as the module does, in an image then freed.
#include "framework/ThreadTimer.h"
#include "framework/Wnd.h"

#include <string>

namespace {

// Held until the image unloads, as the process-wide manager holds its timer.
CThreadTimer g_timer;

} // namespace

extern "C" __declspec(dllexport) int WINAPI BlankUse(const char* text)
{
    try {
        return static_cast<int>(std::string(text).size());
    } catch (...) {
        return -1;
    }
}

extern "C" __declspec(dllexport) BOOL WINAPI BlankCreateWindow()
{
    CWnd window;
    return window.Create(CWnd::DefaultClassName(), "", WS_POPUP, RECT{0, 0, 10, 10}, HWND{}, 0);
}

extern "C" __declspec(dllexport) BOOL WINAPI BlankStartTimer(UINT periodMs)
{
    g_timer = CThreadTimer(periodMs, [](HWND, UINT, UINT_PTR, DWORD) {});
    return g_timer.Id() != 0;
}

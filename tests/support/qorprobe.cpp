// A second process for the tests of what crosses process boundaries:
//   qorprobe session <class name> <milliseconds>
// opens a top-level window of that class for that long, or until it is closed, and prints
// "appearance <wParam> <lParam>" for each appearance message.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

LRESULT CALLBACK SessionProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const UINT appearance = ::RegisterWindowMessageA("QOR_MSG_APPEARANCE");
    if (message != appearance || appearance == 0)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    std::printf("appearance %lu %ld\n", static_cast<unsigned long>(wParam), static_cast<long>(lParam));
    std::fflush(stdout);
    return 0;
}

int RunSession(const char* className, DWORD milliseconds)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &SessionProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    ::RegisterClassA(&wc);  // without it no window is made
    HWND hwnd = ::CreateWindowExA(0, className, "probe", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    if (!hwnd)
        return 1;
    const DWORD end = ::GetTickCount() + milliseconds;
    while (::IsWindow(hwnd) && static_cast<LONG>(end - ::GetTickCount()) > 0) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "session") == 0)
        return RunSession(argv[2], static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)));
    std::fprintf(stderr, "usage: qorprobe session <class> <milliseconds>\n");
    return 2;
}

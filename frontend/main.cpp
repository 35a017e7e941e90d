// qorfront: the front-end stand-in. It loads the customizing module like the
// real front end, opens session windows that draw a business screen in the
// theme library's colours, runs the module's exports from its menu and its
// command line, and pumps messages so that the module's schedule timer runs.
#include "frontend/Actions.h"
#include "frontend/HostModule.h"
#include "frontend/SessionWindow.h"
#include "standins/qorrm/qorrm_standin.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>

namespace {

BOOL CALLBACK DestroyEach(HWND hwnd, LPARAM)
{
    ::DestroyWindow(hwnd);
    return TRUE;
}

} // namespace

int main(int argc, char** argv)
{
    const auto options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    if (options->threadTheme)
        RmStandInSetThreadTheme(options->threadTheme->c_str(), options->threadColor.c_str());

    const CHostModule host;
    if (!host.Loaded()) {
        std::fprintf(stderr, "qorfront: %s\n", host.Problem().c_str());
        return 1;
    }
    CSessionWindow* first = nullptr;
    for (int i = 0; i < options->windows; ++i) {
        CSessionWindow* window = CSessionWindow::Open(host);
        if (!window) {
            std::fprintf(stderr, "qorfront: no session window (error %lu)\n", ::GetLastError());
            return 1;
        }
        first = first ? first : window;
    }
    first->RunLater(options->actions);

    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    // Windows still open after a quit go before the module is unloaded.
    ::EnumThreadWindows(::GetCurrentThreadId(), &DestroyEach, 0);
    return 0;
}

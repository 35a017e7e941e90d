// DLL entry of a module built on this framework: the C++ runtime has built the
// static objects (the application object among them) before this runs, and
// destroys them after the detach below.
#include "framework/ModuleState.h"
#include "framework/RuntimeRelease.h"
#include "framework/WinApp.h"

namespace {

BOOL RunApp(DWORD reason)
{
    CWinApp* app = AfxGetStaticModuleState()->m_pApp;
    if (!app)
        return TRUE;
    try {
        if (reason == DLL_PROCESS_ATTACH)
            return app->InitInstance();
        if (reason == DLL_PROCESS_DETACH)
            app->ExitInstance();
    } catch (...) {
        return reason == DLL_PROCESS_ATTACH ? FALSE : TRUE;
    }
    return TRUE;
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    const BOOL result = RunApp(reason);
    AfxReleaseRuntimeAtUnload(reason, reserved);
    return result;
}

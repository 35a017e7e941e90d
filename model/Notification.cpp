#include "model/Notification.h"

#include "services/Globals.h"

#include <cstring>

const char kFrontEndSessionClass[] = "QOR_FRONTEND_SESSION";

namespace {

// Class names are read into this many bytes, the terminating zero included.
const int kClassNameBufferSize = 256;

LPARAM ThisProcess()
{
    return static_cast<LPARAM>(::GetCurrentProcessId());
}

void Broadcast(WPARAM code, LPARAM parameter)
{
    ::PostMessageA(HWND_BROADCAST, g_uAppearanceMsg, code, parameter);
}

} // namespace

BOOL CALLBACK NotifySessionWindow(HWND hwnd, LPARAM parameter)
{
    char className[kClassNameBufferSize] = {};
    ::GetClassNameA(hwnd, className, kClassNameBufferSize);
    if (std::strcmp(className, kFrontEndSessionClass) == 0)
        ::PostMessageA(hwnd, g_uAppearanceMsg, kAppearanceColors, parameter);
    return TRUE;
}

void NotifySessionWindows()
{
    ::EnumWindows(&NotifySessionWindow, 0);
}

void SendColorsToActiveWindow()
{
    // Without an active window there is no one to wait for.
    if (HWND active = ::GetActiveWindow())
        ::SendMessageA(active, g_uAppearanceMsg, kAppearanceColors, 0);
}

void BroadcastColorsFromProcess()
{
    Broadcast(kAppearanceColors, ThisProcess());
}

void BroadcastSystemColors()
{
    Broadcast(kAppearanceColors, 0);
}

void BroadcastSound(bool on)
{
    Broadcast(kAppearanceSound, on ? 1 : 0);
}

void BroadcastScheduleFromProcess()
{
    Broadcast(kAppearanceSchedule, ThisProcess());
}

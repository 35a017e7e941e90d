// The day schedule: every five minutes the colours of the active setting of
// g_themeManager are blended for the time of day and applied.
#pragma once

#include <windows.h>

// The procedure of every manager's thread timer; its arguments are not used.
void CALLBACK ScheduleTimerProc(HWND, UINT, UINT_PTR, DWORD);

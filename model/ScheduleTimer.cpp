#include "model/ScheduleTimer.h"

void CALLBACK ScheduleTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    // Does nothing until the schedule is implemented.
}

#include "model/ScheduleTimer.h"

#include "model/LibraryColors.h"
#include "model/Notification.h"
#include "model/Schedule.h"
#include "model/ThemeManager.h"
#include "services/Globals.h"
#include "services/TextCatalogue.h"

#include <ctime>

namespace {

void ApplySchedule(const CThemeManager& manager)
{
    if (manager.m_bScheduleSuspended)
        return;
    const CTheme* setting = manager.GetActiveColorSetting();
    if (!setting || !setting->m_bTimeActivated)
        return;
    ColorList mainColors;
    ColorList shiftColors;
    setting->GetMainColors(mainColors);
    setting->GetShiftColors(shiftColors);
    const std::optional<ColorList> colors = ScheduledColors(
        setting->GetTimeSettings(), GetTextString(TXT_SEMICOLON),
        DayDefaults{manager.GetDefaultDayStart(), manager.GetDefaultDayEnd()}, mainColors,
        shiftColors, _time64(nullptr));
    if (!colors)
        return;
    RmApplyColors(ToLibraryColors(*colors).data(), setting->GetThemeName().c_str());
    NotifySessionWindows();
}

} // namespace

void CALLBACK ScheduleTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    // Runs inside the thread's message dispatching: nothing may escape.
    try {
        ApplySchedule(g_themeManager);
    } catch (...) {
    }
}

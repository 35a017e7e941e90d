// The module's process-wide objects.
#pragma once

#include <windows.h>

class CQorthmcustApp;
class CThemeManager;

// The registered id of the appearance message.
extern const UINT g_uAppearanceMsg;
extern CQorthmcustApp theApp;
// The colour settings of the scheduled or active theme, and the schedule.
extern CThemeManager g_themeManager;
// The loaded text module "FCUST", or 0.
extern HANDLE g_hTextModule;
// The window handle of the newest customizing sheet, shared by every process
// that has the module loaded; never cleared.
extern volatile LONG g_hCustWnd;

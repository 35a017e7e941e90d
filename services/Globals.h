// The module's process-wide objects that every layer may use. They are
// defined together at the top (frame/Globals.cpp), so that they are built in
// a fixed order when the module loads.
#pragma once

#include <windows.h>

class CThemeManager;

// The registered id of the appearance message.
extern const UINT g_uAppearanceMsg;
// The colour settings of the scheduled or active theme, and the schedule.
extern CThemeManager g_themeManager;
// The loaded text module "FCUST", or 0.
extern HANDLE g_hTextModule;
// The window handle of the newest customizing sheet, shared by every process
// that has the module loaded; never cleared.
extern volatile LONG g_hCustWnd;

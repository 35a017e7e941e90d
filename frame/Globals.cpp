// The process-wide objects, defined in one translation unit so that they are
// built in this order when the module loads and destroyed in the reverse
// order.
#include "services/Globals.h"

#include "frame/QorthmcustApp.h"
#include "model/ThemeManager.h"

const UINT g_uAppearanceMsg = ::RegisterWindowMessageA("QOR_MSG_APPEARANCE");
CQorthmcustApp theApp;
// Loads the colour settings and starts the schedule timer on the loading thread.
CThemeManager g_themeManager;
HANDLE g_hTextModule = nullptr;

// One copy for all processes: a 32-bit value, as window handles are.
volatile LONG g_hCustWnd __attribute__((section("Shared"), shared)) = 0;

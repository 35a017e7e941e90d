// The module's four entry points. Each runs under the module's own state and
// activation context, and lets no exception out.
#include "frame/qorthmcust.h"

#include "frame/CustomizeSheet.h"
#include "framework/ModuleState.h"
#include "model/SettingsStore.h"
#include "model/SmcRendering.h"
#include "model/ThemeManager.h"
#include "pages/GeneralPage.h"
#include "pages/SysSettings.h"
#include "pages/ThemesPage.h"
#include "services/Globals.h"
#include "services/TextCatalogue.h"

namespace {

// Runs body under the module's state; answers failed when it throws, since a
// failing dialog must not take the host down.
template <class Result, class Body>
Result RunExport(Result failed, Body body)
{
    try {
        AFX_MANAGE_STATE(AfxGetStaticModuleState());
        return body();
    } catch (...) {
        return failed;
    }
}

struct Nothing {};

} // namespace

extern "C" void WINAPI QorThemeColorSettinsDlg(void)
{
    RunExport(Nothing{}, [] {
        CCustomizeSheet sheet(GetText(TXT_THEME_CUST), nullptr, 0);
        CGeneralPage generalPage;
        // Exists for the whole run even when not shown: it keeps the
        // schedule suspended while the sheet is open.
        CThemesPage themesPage;
        sheet.AddPage(&generalPage);
        if (!IsSmcRenderingEnabled())
            sheet.AddPage(&themesPage);
        sheet.DoModal();
        return Nothing{};
    });
}

extern "C" HWND WINAPI QorThemeGetCustWindowHandle(void)
{
    return RunExport(static_cast<HWND>(nullptr),
                     [] { return static_cast<HWND>(LongToHandle(g_hCustWnd)); });
}

extern "C" void WINAPI QorThemeReinit(void)
{
    RunExport(Nothing{}, [] {
        g_themeManager.Reload(nullptr, nullptr, HKEY_CURRENT_USER, settings::kThemesKey);
        return Nothing{};
    });
}

extern "C" void WINAPI QorThemeSystemSettinsDlg(DWORD value, const char* system)
{
    RunExport(Nothing{}, [&] {
        CSysSettings dialog(value, system);
        dialog.DoModal();
        return Nothing{};
    });
}

#include "frame/QorthmcustApp.h"

#include "services/Globals.h"
#include "services/MakerLibraries.h"

#include <cstring>

namespace {

const char kTextModuleName[] = "FCUST";
const char kFallbackLanguage[] = "EN";
const int kLanguageBufferSize = 3;

} // namespace

BOOL CQorthmcustApp::InitInstance()
{
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);

    // Without the themed front end the texts stay the built-in defaults.
    if (!RmIsLarkThemeActiveEx(HKEY_LOCAL_MACHINE) || !RmIsLarkThemeActiveEx(HKEY_CURRENT_USER))
        return TRUE;

    char language[kLanguageBufferSize] = {};
    if (QorPcTxtGetDefaultLanguage(language, kLanguageBufferSize) != 0)
        std::memcpy(language, kFallbackLanguage, sizeof(kFallbackLanguage));
    language[kLanguageBufferSize - 1] = '\0';

    DWORD status = 0;
    g_hTextModule = QorPcTxtLoad(nullptr, kTextModuleName, language, 0, 0, &status);
    return TRUE;
}

int CQorthmcustApp::ExitInstance()
{
    if (g_hTextModule)
        QorPcTxtUnLoad(g_hTextModule);
    return CWinApp::ExitInstance();
}

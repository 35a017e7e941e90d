// Stand-in text library: serves the English texts of module "FCUST".
#include "standins/qortext/qortext.h"
#include "standins/qortext/qortext_standin.h"

#include "standins/common/StandInJournal.h"

#include <cstring>
#include <string>

namespace {

StandInJournal g_journal;
int g_textModuleToken = 0;

std::string ConfiguredLanguage()
{
    char language[8] = {};
    DWORD size = sizeof(language);
    if (::RegGetValueA(HKEY_CURRENT_USER, QORTEXT_STANDIN_KEY, "Language", RRF_RT_REG_SZ, nullptr,
                       language, &size) == ERROR_SUCCESS)
        return language;
    return "EN";
}

} // namespace

QOR_STANDIN_TEST_EXPORTS(TxtStandIn, g_journal)

extern "C" int WINAPI QorPcTxtGetDefaultLanguage(char* buffer, int size)
{
    g_journal.Record("QorPcTxtGetDefaultLanguage(" + std::to_string(size) + ")");
    if (g_journal.Fails("QorPcTxtGetDefaultLanguage"))
        return 1;
    CopyToBuffer(ConfiguredLanguage(), buffer, size);
    return 0;
}

extern "C" HANDLE WINAPI QorPcTxtLoad(HANDLE owner, const char* module, const char* language,
                                      DWORD flags, DWORD reserved, DWORD* status)
{
    g_journal.Record("QorPcTxtLoad(" + JournalHandle(owner) + ", " + JournalString(module) + ", "
                     + JournalString(language) + ", " + std::to_string(flags) + ", "
                     + std::to_string(reserved) + ")");
    if (status)
        *status = 0;
    if (g_journal.Fails("QorPcTxtLoad") || !module || std::strcmp(module, "FCUST") != 0)
        return nullptr;
    return &g_textModuleToken;
}

extern "C" const char* WINAPI QorPcTxtRead(HANDLE module, const char* key, const char* defaultText)
{
    g_journal.Record("QorPcTxtRead(" + JournalHandle(module) + ", " + JournalString(key) + ")");
    return defaultText;
}

extern "C" BOOL WINAPI QorPcTxtUnLoad(HANDLE module)
{
    g_journal.Record("QorPcTxtUnLoad(" + JournalHandle(module) + ")");
    return module != nullptr;
}

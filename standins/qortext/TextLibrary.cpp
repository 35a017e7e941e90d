// Stand-in text library: serves the texts of module "FCUST" in English and
// German from text files compiled into the library. Every interface call is
// journaled and honours its failure switch.
#include "standins/qortext/qortext.h"
#include "standins/qortext/qortext_standin.h"

#include "framework/RuntimeRelease.h"
#include "standins/common/RegistryValues.h"
#include "standins/common/StandInJournal.h"
#include "standins/qortext/TextModule.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace {

StandInJournal g_journal;

// The modules loaded and not yet unloaded; a handle is its module's address.
class CLoadedModules {
public:
    HANDLE Add(std::unique_ptr<CTextModule> module)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        HANDLE handle = module.get();
        m_modules[handle] = std::move(module);
        return handle;
    }
    bool Remove(HANDLE handle)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_modules.erase(handle) != 0;
    }
    const char* Find(HANDLE handle, const char* key) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto module = m_modules.find(handle);
        return module == m_modules.end() || !key ? nullptr : module->second->Find(key);
    }

private:
    mutable std::mutex m_mutex;
    std::map<HANDLE, std::unique_ptr<CTextModule>> m_modules;
};

CLoadedModules g_modules;

bool RecordAndFail(const char* function, const std::string& arguments)
{
    g_journal.Record(std::string(function) + "(" + arguments + ")");
    return g_journal.Fails(function);
}

std::string DefaultLanguage()
{
    if (auto configured = standin::ReadString(HKEY_CURRENT_USER, QORTEXT_STANDIN_KEY, "Language"))
        return *configured;
    return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_GERMAN ? "DE" : "EN";
}

} // namespace

QOR_STANDIN_TEST_EXPORTS(TxtStandIn, g_journal)

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    AfxReleaseRuntimeAtUnload(reason, reserved);
    return TRUE;
}

extern "C" int WINAPI QorPcTxtGetDefaultLanguage(char* buffer, int size)
{
    const bool answered = !RecordAndFail("QorPcTxtGetDefaultLanguage", std::to_string(size))
        && AnswerText(DefaultLanguage(), buffer, size);
    if (!answered)
        AnswerNothing(buffer, size);
    return answered ? 0 : 1;
}

extern "C" HANDLE WINAPI QorPcTxtLoad(HANDLE owner, const char* module, const char* language,
                                      DWORD flags, DWORD reserved, DWORD* status)
{
    const bool fails = RecordAndFail(
        "QorPcTxtLoad", JournalHandle(owner) + ", " + JournalString(module) + ", "
                            + JournalString(language) + ", " + std::to_string(flags) + ", "
                            + std::to_string(reserved));
    std::unique_ptr<CTextModule> loaded;
    if (!fails && module && language)
        loaded = CTextModule::Load(module, language);
    if (status)
        *status = loaded ? ERROR_SUCCESS : ERROR_NOT_FOUND;
    return loaded ? g_modules.Add(std::move(loaded)) : nullptr;
}

extern "C" const char* WINAPI QorPcTxtRead(HANDLE module, const char* key, const char* defaultText)
{
    if (RecordAndFail("QorPcTxtRead", JournalHandle(module) + ", " + JournalString(key)))
        return nullptr;
    const char* text = g_modules.Find(module, key);
    return text ? text : defaultText;
}

extern "C" BOOL WINAPI QorPcTxtUnLoad(HANDLE module)
{
    if (RecordAndFail("QorPcTxtUnLoad", JournalHandle(module)))
        return FALSE;
    return g_modules.Remove(module);
}

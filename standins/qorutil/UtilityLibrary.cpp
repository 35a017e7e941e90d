// Stand-in utility library: QorCopyRegKey over a recursive registry copy.
// Every interface call is journaled and honours its failure switch.
#include "standins/qorutil/qorutil.h"
#include "standins/qorutil/qorutil_standin.h"

#include "framework/RegKey.h"
#include "framework/RuntimeRelease.h"
#include "standins/common/StandInJournal.h"
#include "standins/qorutil/RegistryCopy.h"

#include <cctype>

namespace {

StandInJournal g_journal;

bool SameLetters(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// A target at or below the source would be copied into itself without end.
bool TargetWithinSource(HKEY sourceHive, const std::string& source, HKEY targetHive,
                        const std::string& target)
{
    if (sourceHive != targetHive || target.size() < source.size()
        || !SameLetters(target.substr(0, source.size()), source))
        return false;
    return target.size() == source.size() || source.empty() || target[source.size()] == '\\';
}

} // namespace

QOR_STANDIN_TEST_EXPORTS(UtilStandIn, g_journal)

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    AfxReleaseRuntimeAtUnload(reason, reserved);
    return TRUE;
}

extern "C" LONG WINAPI QorCopyRegKey(HKEY sourceHive, const char* sourcePath, HKEY targetHive,
                                     const char* targetPath, const char* subkeyFilter,
                                     const char* valueFilter, int overwrite)
{
    g_journal.Record("QorCopyRegKey(" + JournalHive(sourceHive) + ", " + JournalString(sourcePath)
                     + ", " + JournalHive(targetHive) + ", " + JournalString(targetPath) + ", "
                     + JournalString(subkeyFilter) + ", " + JournalString(valueFilter) + ", "
                     + std::to_string(overwrite) + ")");
    if (g_journal.Fails("QorCopyRegKey"))
        return ERROR_GEN_FAILURE;
    if (!sourcePath || !targetPath || TargetWithinSource(sourceHive, sourcePath, targetHive, targetPath))
        return ERROR_INVALID_PARAMETER;
    CRegKey source;
    LONG result = source.Open(sourceHive, sourcePath, KEY_READ);
    CRegKey target;
    if (result == ERROR_SUCCESS)
        result = target.Create(targetHive, targetPath, KEY_READ | KEY_WRITE);
    if (result != ERROR_SUCCESS)
        return result;
    RegistryCopyOptions options;
    options.subkeyFilter = subkeyFilter ? subkeyFilter : "";
    options.valueFilter = valueFilter ? valueFilter : "";
    options.overwrite = overwrite != 0;
    return CopyRegistryTree(source.Get(), target.Get(), options);
}

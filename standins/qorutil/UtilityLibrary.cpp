// Stand-in utility library.
#include "standins/qorutil/qorutil.h"
#include "standins/qorutil/qorutil_standin.h"

#include "standins/common/StandInJournal.h"

namespace {

StandInJournal g_journal;

} // namespace

QOR_STANDIN_TEST_EXPORTS(UtilStandIn, g_journal)

extern "C" LONG WINAPI QorCopyRegKey(HKEY sourceHive, const char* sourcePath, HKEY targetHive,
                                     const char* targetPath, const char* subkeyFilter,
                                     const char* valueFilter, int overwrite)
{
    g_journal.Record("QorCopyRegKey(" + JournalHive(sourceHive) + ", " + JournalString(sourcePath)
                     + ", " + JournalHive(targetHive) + ", " + JournalString(targetPath) + ", "
                     + JournalString(subkeyFilter) + ", " + JournalString(valueFilter) + ", "
                     + std::to_string(overwrite) + ")");
    return ERROR_CALL_NOT_IMPLEMENTED;
}

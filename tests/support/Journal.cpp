#include "tests/support/Journal.h"

#include "standins/qorrm/qorrm_standin.h"
#include "standins/qortext/qortext_standin.h"
#include "standins/qorutil/qorutil_standin.h"

#include <sstream>

namespace qortest {

namespace {

std::vector<std::string> Lines(int (WINAPI* read)(char*, int))
{
    std::string text(static_cast<size_t>(read(nullptr, 0)), '\0');
    read(text.data(), static_cast<int>(text.size()));
    std::istringstream stream(text.c_str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

std::vector<std::string> ThemeLibraryCalls() { return Lines(&RmStandInReadJournal); }
std::vector<std::string> TextLibraryCalls() { return Lines(&TxtStandInReadJournal); }
std::vector<std::string> UtilityLibraryCalls() { return Lines(&UtilStandInReadJournal); }

void ResetStandIns()
{
    RmStandInClearJournal();
    TxtStandInClearJournal();
    UtilStandInClearJournal();
    RmStandInSetFailure(nullptr, FALSE);
    TxtStandInSetFailure(nullptr, FALSE);
    UtilStandInSetFailure(nullptr, FALSE);
}

void FailThemeLibrary(const char* function) { RmStandInSetFailure(function, TRUE); }
void FailTextLibrary(const char* function) { TxtStandInSetFailure(function, TRUE); }

std::vector<std::string> CallsTo(const std::vector<std::string>& calls, const std::string& name)
{
    std::vector<std::string> found;
    for (const std::string& call : calls) {
        if (call.compare(0, name.size() + 1, name + "(") == 0)
            found.push_back(call);
    }
    return found;
}

} // namespace qortest

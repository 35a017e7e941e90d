// The calls that reached the stand-ins of the maker's libraries.
#pragma once

#include "standins/qorrm/qorrm_standin.h"
#include "standins/qortext/qortext_standin.h"
#include "standins/qorutil/qorutil_standin.h"

#include <sstream>
#include <string>
#include <vector>

namespace qortest {

// A journal's lines, read through the stand-in's reader.
inline std::vector<std::string> JournalLines(int(WINAPI* read)(char*, int))
{
    std::string text(static_cast<size_t>(read(nullptr, 0)), '\0');
    read(text.data(), static_cast<int>(text.size()));
    std::istringstream stream(text.c_str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

inline std::vector<std::string> ThemeLibraryCalls() { return JournalLines(&RmStandInReadJournal); }
inline std::vector<std::string> TextLibraryCalls() { return JournalLines(&TxtStandInReadJournal); }

// Empties all three journals and switches every failure off.
inline void ResetStandIns()
{
    RmStandInClearJournal();
    TxtStandInClearJournal();
    UtilStandInClearJournal();
    RmStandInSetFailure(nullptr, FALSE);
    TxtStandInSetFailure(nullptr, FALSE);
    UtilStandInSetFailure(nullptr, FALSE);
}

// Makes a function of a stand-in fail (answer 0) until reset.
inline void FailThemeLibrary(const char* function) { RmStandInSetFailure(function, TRUE); }
inline void FailTextLibrary(const char* function) { TxtStandInSetFailure(function, TRUE); }

// The calls whose line starts with the given function name.
inline std::vector<std::string> CallsTo(const std::vector<std::string>& calls, const std::string& name)
{
    std::vector<std::string> found;
    for (const std::string& call : calls)
        if (call.compare(0, name.size() + 1, name + "(") == 0)
            found.push_back(call);
    return found;
}

} // namespace qortest

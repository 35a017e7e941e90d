// The calls that reached the stand-ins of the maker's libraries.
#pragma once

#include <string>
#include <vector>

namespace qortest {

std::vector<std::string> ThemeLibraryCalls();
std::vector<std::string> TextLibraryCalls();
std::vector<std::string> UtilityLibraryCalls();
// Empties all three journals and switches every failure off.
void ResetStandIns();
// Makes a function of a stand-in fail (answer 0) until reset.
void FailThemeLibrary(const char* function);
void FailTextLibrary(const char* function);

// The calls whose line starts with the given function name.
std::vector<std::string> CallsTo(const std::vector<std::string>& calls, const std::string& name);

} // namespace qortest

#include "standins/qorutil/NameFilter.h"

#include <cctype>
#include <sstream>

namespace {

bool SameLetter(char a, char b)
{
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

// Wildcard match without backtracking blow-up: remembers the last "*" only.
bool MatchesPattern(const std::string& name, const std::string& pattern)
{
    size_t n = 0;
    size_t p = 0;
    size_t starAt = std::string::npos;
    size_t resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && SameLetter(pattern[p], name[n])))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (starAt != std::string::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool MatchesFilter(const std::string& name, const std::string& filter)
{
    if (filter.empty())
        return true;
    std::istringstream patterns(filter);
    for (std::string pattern; std::getline(patterns, pattern, ';');) {
        if (!pattern.empty() && MatchesPattern(name, pattern))
            return true;
    }
    return false;
}

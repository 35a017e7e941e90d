// The name filters of QorCopyRegKey: a list of patterns separated by ";",
// each matched against the whole name in any letter case, "*" standing for
// any run of characters and "?" for any one character. An empty filter
// matches every name.
#pragma once

#include <string>

bool MatchesFilter(const std::string& name, const std::string& filter);

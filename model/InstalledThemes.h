// The visual themes the user can choose: the subkeys of the user's Themes key
// whose Path names an existing folder. Both pages of the sheet list them;
// the manager, the pages and the library name them the same way.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Theme names in the registry's enumeration order, never sorted. A subkey
// that cannot be opened, has no Path or whose folder is missing is left out,
// and so is one whose name does not fit 256 bytes (the enumeration goes on
// past it). None when the user's Themes key cannot be opened.
std::optional<std::vector<std::string>> InstalledThemes();

// The theme a list entry stands for: its text up to " (default)" when that
// occurs in it.
std::string ThemeEntryName(const std::string& entryText);

// The first entry that stands for the theme, or -1.
int FindThemeEntry(const std::vector<std::string>& entries, const std::string& theme);

// The name that stands for the system's default theme.
extern const char kSystemDependent[];
// The theme library's active theme (asked with 256 bytes).
std::string LibraryActiveTheme();
// The theme itself, or for "System Dependent" (in any letter case) the
// SystemDefault value of the Themes key, user then machine: empty when missing.
std::string ResolveSystemDependent(const std::string& theme);

// A list box's entries for the manager's color settings.
#pragma once

#include "framework/ListBox.h"

class CTheme;
class CThemeManager;

// Adds the settings in the manager's order, each entry carrying its record,
// and selects the entry of active (none when it is not listed).
void AddColorSettings(const CListBox& list, const CThemeManager& manager, const CTheme* active);

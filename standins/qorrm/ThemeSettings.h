// What the theme library keeps in the registry: its own state under
// QORRM_STANDIN_KEY (active theme, sound switch, recorded colours, preview
// names and system themes of other themes), and what it reads of the
// appearance settings (a theme's folder).
#pragma once

#include "standins/qorrm/ColorList.h"

#include <optional>
#include <string>

namespace theme_settings {

// "Standard Theme" until a theme is loaded.
std::string ActiveTheme();
bool SetActiveTheme(const char* theme);
bool SetSound(BOOL on);

// The theme's Path (user, then machine) when it names an existing folder.
std::optional<std::string> ThemePath(const char* theme);
// The shipped themes' pictures, else a Preview value of the theme.
std::optional<std::string> PreviewName(const char* theme);

// Colours recorded for a theme (user hive), for windows started later.
bool RecordColors(const char* theme, const ColorList& colors);
std::optional<ColorList> RecordedColors(const std::string& theme);

// The theme of a back-end system; the active theme when it has none.
std::string SystemTheme(const char* system);

} // namespace theme_settings

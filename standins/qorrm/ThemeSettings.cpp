#include "standins/qorrm/ThemeSettings.h"

#include "standins/common/RegistryValues.h"
#include "standins/qorrm/qorrm_standin.h"

#include <cstring>

namespace theme_settings {

namespace {

const char kDefaultTheme[] = "Standard Theme";
const char kAppearanceThemes[] = "Software\\Qor\\General\\Appearance\\Themes";

struct ShippedPreview {
    const char* theme;
    const char* picture;
};
const ShippedPreview kShippedPreviews[] = {
    {"Standard Theme", "DEFPRV"},
    {"High Contrast Theme", "HCPRV"},
    {"Tideway Theme", "TIDEWAY"},
};

std::string LibraryThemeKey(const std::string& theme)
{
    return std::string(QORRM_STANDIN_KEY) + "\\Themes\\" + theme;
}

bool IsFolder(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::string ActiveTheme()
{
    const auto theme = standin::ReadUserThenMachine(QORRM_STANDIN_KEY, "ActiveTheme");
    return theme && !theme->empty() ? *theme : kDefaultTheme;
}

bool SetActiveTheme(const char* theme)
{
    return theme && *theme
        && standin::WriteString(HKEY_CURRENT_USER, QORRM_STANDIN_KEY, "ActiveTheme", theme);
}

bool SetSound(BOOL on)
{
    return standin::WriteDword(HKEY_CURRENT_USER, QORRM_STANDIN_KEY, "Sound", on ? 1 : 0);
}

std::optional<std::string> ThemePath(const char* theme)
{
    if (!standin::IsKeyName(theme))
        return std::nullopt;
    auto path = standin::ReadUserThenMachine(std::string(kAppearanceThemes) + "\\" + theme, "Path");
    if (!path || !IsFolder(*path))
        return std::nullopt;
    return path;
}

std::optional<std::string> PreviewName(const char* theme)
{
    if (!standin::IsKeyName(theme))
        return std::nullopt;
    for (const ShippedPreview& shipped : kShippedPreviews) {
        if (_stricmp(shipped.theme, theme) == 0)
            return std::string(shipped.picture);
    }
    auto picture = standin::ReadUserThenMachine(LibraryThemeKey(theme), "Preview");
    if (!picture || picture->empty())
        return std::nullopt;
    return picture;
}

bool RecordColors(const char* theme, const ColorList& colors)
{
    return standin::IsKeyName(theme)
        && standin::WriteBinary(HKEY_CURRENT_USER, LibraryThemeKey(theme), "Colors", colors.data(),
                                sizeof(colors));
}

std::optional<ColorList> RecordedColors(const std::string& theme)
{
    ColorList colors;
    if (!standin::IsKeyName(theme.c_str())
        || !standin::ReadBinary(HKEY_CURRENT_USER, LibraryThemeKey(theme), "Colors",
                                colors.data(), sizeof(colors)))
        return std::nullopt;
    return colors;
}

std::string SystemTheme(const char* system)
{
    if (standin::IsKeyName(system)) {
        const auto theme = standin::ReadUserThenMachine(
            std::string(QORRM_STANDIN_KEY) + "\\Systems\\" + system, "Theme");
        if (theme && !theme->empty())
            return *theme;
    }
    return ActiveTheme();
}

} // namespace theme_settings

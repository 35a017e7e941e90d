// Writes setup/appearance.reg: the machine hive's appearance settings that
// setup imports: the system default theme and the three shipped themes, each
// with its folder and its write-protected colour settings. Palettes are made
// from a few anchor colours with the module's own colour conversions, so
// every stored palette string reads back as the palette that was designed.
//   make_appearance_reg > setup/appearance.reg
#include "model/ColorConversions.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kForegroundFirst = 1;
constexpr int kForegroundLast = 18;
constexpr int kBackgroundFirst = 19;
constexpr int kBackgroundLast = 22;

// A palette: the foreground group runs from its lightest entry (1) to its
// darkest (18), entry 0 lies halfway; the background group runs from 19 to
// its anchor 22.
struct PaletteRecipe {
    HsbColor foreLight;
    HsbColor foreDark;
    HsbColor backFirst;
    HsbColor backAnchor;
};

struct ColorSetting {
    const char* name;
    PaletteRecipe main;
    PaletteRecipe shift;
    const char* timeSettings;
    bool scheduled;
};

struct Theme {
    const char* name;
    const char* folder;  // below C:\Program Files\Qor\Themes
    std::vector<ColorSetting> settings;
};

HsbColor Blend(const HsbColor& from, const HsbColor& to, int step, int steps)
{
    const auto mix = [&](int a, int b) { return a + (b - a) * step / steps; };
    return {mix(from.hue, to.hue), mix(from.saturation, to.saturation), mix(from.brightness, to.brightness)};
}

std::string PaletteString(const PaletteRecipe& recipe)
{
    std::vector<HsbColor> palette(kBackgroundLast + 1);
    const int foreSteps = kForegroundLast - kForegroundFirst;
    for (int i = kForegroundFirst; i <= kForegroundLast; ++i)
        palette[i] = Blend(recipe.foreLight, recipe.foreDark, i - kForegroundFirst, foreSteps);
    palette[0] = Blend(recipe.foreLight, recipe.foreDark, 1, 2);
    const int backSteps = kBackgroundLast - kBackgroundFirst;
    for (int i = kBackgroundFirst; i <= kBackgroundLast; ++i)
        palette[i] = Blend(recipe.backFirst, recipe.backAnchor, i - kBackgroundFirst, backSteps);
    std::string text;
    for (const HsbColor& color : palette) {
        const ColorRef rgb = HsbToColorRef(color);
        char hex[8];
        std::snprintf(hex, sizeof(hex), "%02x%02x%02x", rgb & 0xFFu, (rgb >> 8) & 0xFFu, (rgb >> 16) & 0xFFu);
        text += hex;
    }
    return text;
}

const char kDefaultTimes[] = "Day;default;default";

const std::vector<Theme> kThemes = {
    {"Standard Theme", "Standard",
     {
         {"Classic", {{56, 6, 99}, {52, 8, 25}, {200, 29, 56}, {202, 23, 76}},
          {{40, 12, 95}, {35, 14, 22}, {25, 30, 50}, {28, 25, 70}}, kDefaultTimes, false},
         {"Ocean Blue", {{205, 8, 99}, {212, 30, 22}, {210, 55, 40}, {208, 45, 70}},
          {{220, 14, 90}, {225, 40, 18}, {230, 60, 30}, {228, 50, 55}}, kDefaultTimes, false},
         {"Forest Green", {{95, 10, 97}, {120, 35, 20}, {140, 40, 35}, {135, 35, 60}},
          {{80, 16, 90}, {100, 40, 18}, {110, 45, 30}, {105, 40, 50}}, kDefaultTimes, false},
         {"Day And Dusk", {{48, 6, 100}, {210, 25, 25}, {200, 35, 60}, {195, 30, 85}},
          {{30, 22, 85}, {15, 45, 18}, {10, 60, 35}, {20, 55, 55}}, "Day;08:00;18:00", true},
         {"Graphite", {{220, 3, 96}, {220, 6, 15}, {220, 8, 35}, {220, 10, 55}},
          {{220, 3, 80}, {220, 6, 10}, {220, 8, 25}, {220, 10, 40}}, kDefaultTimes, false},
     }},
    {"High Contrast Theme", "HighContrast",
     {
         {"Black On White", {{0, 0, 100}, {0, 0, 0}, {0, 0, 100}, {0, 0, 100}},
          {{0, 0, 100}, {0, 0, 0}, {0, 0, 100}, {0, 0, 100}}, kDefaultTimes, false},
         {"White On Black", {{0, 0, 0}, {0, 0, 100}, {0, 0, 0}, {0, 0, 0}},
          {{0, 0, 0}, {0, 0, 100}, {0, 0, 0}, {0, 0, 0}}, kDefaultTimes, false},
         {"Yellow On Black", {{60, 100, 10}, {60, 100, 100}, {0, 0, 0}, {0, 0, 0}},
          {{60, 100, 10}, {60, 100, 100}, {0, 0, 0}, {0, 0, 0}}, kDefaultTimes, false},
         {"Green On Black", {{120, 100, 8}, {120, 100, 100}, {0, 0, 0}, {0, 0, 0}},
          {{120, 100, 8}, {120, 100, 100}, {0, 0, 0}, {0, 0, 0}}, kDefaultTimes, false},
     }},
    {"Tideway Theme", "Tideway",
     {
         {"Harbour Day", {{200, 5, 99}, {210, 70, 40}, {205, 40, 70}, {210, 30, 88}},
          {{195, 10, 92}, {205, 75, 32}, {200, 45, 60}, {205, 35, 78}}, kDefaultTimes, false},
         {"Harbour Night", {{230, 30, 45}, {220, 10, 95}, {235, 60, 15}, {230, 55, 25}},
          {{240, 35, 35}, {225, 15, 90}, {240, 65, 10}, {235, 60, 18}}, kDefaultTimes, false},
         {"Coral Reef", {{15, 10, 99}, {5, 65, 40}, {180, 45, 55}, {175, 40, 75}},
          {{20, 16, 95}, {10, 70, 32}, {185, 50, 45}, {180, 45, 65}}, kDefaultTimes, false},
         {"Sandbank", {{45, 15, 98}, {35, 45, 35}, {40, 35, 65}, {42, 30, 82}},
          {{38, 22, 92}, {28, 55, 28}, {32, 40, 55}, {35, 35, 72}}, kDefaultTimes, false},
     }},
};

std::string RegString(const std::string& text)
{
    std::string escaped = "\"";
    for (char c : text)
        escaped += c == '\\' || c == '"' ? std::string("\\") + c : std::string(1, c);
    return escaped + "\"";
}

void Key(const std::string& path)
{
    std::printf("\n[HKEY_LOCAL_MACHINE\\%s]\n", path.c_str());
}

void Value(const char* name, const std::string& text)
{
    std::printf("\"%s\"=%s\n", name, RegString(text).c_str());
}

void Value(const char* name, unsigned number)
{
    std::printf("\"%s\"=dword:%08x\n", name, number);
}

} // namespace

int main()
{
    const std::string themes = "Software\\Qor\\General\\Appearance\\Themes";
    std::printf("REGEDIT4\n");
    std::printf("; Shipped appearance settings (machine hive), written by tools/make_appearance_reg.\n");
    Key(themes);
    Value("SystemDefault", std::string("Standard Theme"));
    for (const Theme& theme : kThemes) {
        const std::string themeKey = themes + "\\" + theme.name;
        Key(themeKey);
        Value("Path", std::string("C:\\Program Files\\Qor\\Themes\\") + theme.folder);
        for (const ColorSetting& setting : theme.settings) {
            Key(themeKey + "\\" + setting.name);
            Value("strPaletteMain", PaletteString(setting.main));
            Value("strPaletteShift", PaletteString(setting.shift));
            Value("bTimeActivated", setting.scheduled ? 1u : 0u);
            Value("strTimeSettings", std::string(setting.timeSettings));
            Value("bWriteProtected", 1u);
        }
    }
    return 0;
}

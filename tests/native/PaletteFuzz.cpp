// Any text handed to PaletteFromString: no fault, every parsed colour in
// range, and a palette text of the wrong length leaves the palette alone.
#include "model/Theme.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const HsbColor untouched = {-1, -1, -1};
    Palette palette;
    palette.fill(untouched);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool parsed = CTheme::PaletteFromString(text, palette);
    if (parsed != (size / 6 == kPaletteSize))
        std::abort();
    for (const HsbColor& color : palette) {
        const bool inRange = color.hue >= 0 && color.hue <= 359 && color.saturation >= 0
                             && color.saturation <= 100 && color.brightness >= 0 && color.brightness <= 100;
        if (parsed ? !inRange : color != untouched)
            std::abort();
    }
    if (parsed && CTheme::PaletteToString(palette).size() != 6 * kPaletteSize)
        std::abort();
    return 0;
}

// Any time settings, separator, defaults and moment: no fault, times of day in
// range, every byte of a colour between its main and shift colour's (the fourth
// byte too). Input lines: moment (decimal seconds), separator, time settings,
// default start, default end; missing lines are empty.
#include "model/Schedule.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <sstream>
#include <string>

namespace {

ColorList Pattern(int first, int step)
{
    ColorList colors;
    for (std::size_t i = 0; i < kPaletteSize; ++i)
        colors[i] = PackColorRef(first + step * int(i), 255 - first - step * int(i), 11 * int(i));
    return colors;
}

const ColorList kMain = Pattern(0, 11);
const ColorList kShift = Pattern(255, -7);

bool Between(ColorRef color, ColorRef a, ColorRef b)
{
    for (int shift = 0; shift < 32; shift += 8) {
        const ColorRef c = (color >> shift) & 0xFF, x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
        if (c < std::min(x, y) || c > std::max(x, y))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A zone with daylight saving, so that days with a change are reached.
    setenv("TZ", "PST8PDT,M3.2.0,M11.1.0", 1);
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    std::string moment, separator, settings;
    DayDefaults defaults;
    for (std::string* line : {&moment, &separator, &settings, &defaults.start, &defaults.end})
        std::getline(input, *line);

    for (const std::string* text : {&settings, &defaults.start, &defaults.end})
        if (const std::optional<TimeOfDay> time = ReadTimeOfDay(*text))
            if (time->hours < 0 || time->hours > 23 || time->minutes < 0 || time->minutes > 59)
                std::abort();
    const std::int64_t now = std::strtoll(moment.c_str(), nullptr, 10);
    if (const std::optional<ColorList> colors = ScheduledColors(settings, separator, defaults, kMain, kShift, now))
        for (std::size_t i = 0; i < kPaletteSize; ++i)
            if (!Between((*colors)[i], kMain[i], kShift[i]))
                std::abort();
    return 0;
}

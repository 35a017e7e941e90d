// Any time settings string, separator, defaults and moment handed to the
// schedule: no fault; colours only for a string that splits into two times
// of day; every blended channel between its main and shift value with a zero
// fourth byte; start and end written the other way round give the same
// colours.
//
// Input: lines "moment", "separator", "time settings", "default start",
// "default end" (missing lines are empty); the moment in decimal seconds.
#include "model/Schedule.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> Lines(std::string_view text, std::size_t count)
{
    std::vector<std::string> lines(count);
    for (std::size_t i = 0; i < count && !text.empty(); ++i) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        lines[i] = std::string(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

ColorList Pattern(int first, int step)
{
    ColorList colors;
    for (std::size_t i = 0; i < kPaletteSize; ++i) {
        const int n = static_cast<int>(i);
        colors[i] = PackColorRef((first + step * n) & 0xFF, (255 - first - step * n) & 0xFF, (n * 11) & 0xFF);
    }
    return colors;
}

const ColorList kMain = Pattern(0, 11);
const ColorList kShift = Pattern(255, -7);

bool Between(ColorRef color, ColorRef a, ColorRef b)
{
    if (color >> 24 != 0)
        return false;
    for (int shift = 0; shift < 24; shift += 8) {
        const ColorRef c = (color >> shift) & 0xFF;
        const ColorRef x = (a >> shift) & 0xFF;
        const ColorRef y = (b >> shift) & 0xFF;
        if (c < std::min(x, y) || c > std::max(x, y))
            return false;
    }
    return true;
}

bool ReadsAsTime(const std::string& field, const std::string& defaultTime)
{
    return ReadTimeOfDay(IsDefaultTime(field) ? defaultTime : field).has_value();
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
    const std::vector<std::string> lines =
        Lines(std::string_view(reinterpret_cast<const char*>(data), size), 5);
    const std::int64_t now = std::strtoll(lines[0].c_str(), nullptr, 10);
    const std::string& separator = lines[1];
    const std::string& settings = lines[2];
    const DayDefaults defaults = {lines[3], lines[4]};

    for (const std::string& text : {settings, defaults.start, defaults.end}) {
        const std::optional<TimeOfDay> time = ReadTimeOfDay(text);
        if (time && (time->hours < 0 || time->hours > 23 || time->minutes < 0 || time->minutes > 59))
            std::abort();
    }

    const std::optional<DayTimeTexts> fields = SplitTimeSettings(settings, separator);
    if (fields && fields->start.size() + fields->end.size() >= settings.size())
        std::abort();
    const std::optional<ColorList> colors =
        ScheduledColors(settings, separator, defaults, kMain, kShift, now);
    if (!colors)
        return 0;
    if (!fields || !ReadsAsTime(fields->start, defaults.start) || !ReadsAsTime(fields->end, defaults.end))
        std::abort();
    for (std::size_t i = 0; i < kPaletteSize; ++i)
        if (!Between((*colors)[i], kMain[i], kShift[i]))
            std::abort();

    // The same day written the other way round ("default" is not, as it
    // stands for the default of its own field).
    if (separator.size() == 1 && fields->start.find(separator) == std::string::npos
        && fields->end.find(separator) == std::string::npos && !IsDefaultTime(fields->start)
        && !IsDefaultTime(fields->end)) {
        const std::string reversed = separator + fields->end + separator + fields->start;
        if (ScheduledColors(reversed, separator, defaults, kMain, kShift, now) != colors)
            std::abort();
    }
    return 0;
}

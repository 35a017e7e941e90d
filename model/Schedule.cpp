#include "model/Schedule.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace {

const std::size_t kDigitsPerPiece = 2;
const std::size_t kTimeLength = 2 * kDigitsPerPiece + 1;
const int kHoursPerDay = 24;
const int kMinutesPerHour = 60;
const std::int64_t kSecondsPerMinute = 60;
const int kBitsPerChannel = 8;
const int kChannelsPerColor = 3;
const ColorRef kChannelMask = 0xFF;

#ifndef _WIN32
static_assert(sizeof(std::time_t) == sizeof(std::int64_t), "times are 64-bit seconds");
#endif

// The runtime's local date and time of a moment.
bool ToLocalFields(std::int64_t now, std::tm& fields)
{
#ifdef _WIN32
    const __time64_t time = now;
    return _localtime64_s(&fields, &time) == 0;
#else
    const std::time_t time = now;
    return localtime_r(&time, &fields) != nullptr;
#endif
}

// The moment of local fields, daylight saving left to the runtime.
std::optional<std::int64_t> FromLocalFields(std::tm fields)
{
    fields.tm_isdst = -1;
#ifdef _WIN32
    const __time64_t time = _mktime64(&fields);
#else
    const std::time_t time = std::mktime(&fields);
#endif
    if (time == -1)
        return std::nullopt;
    return static_cast<std::int64_t>(time);
}

// A piece of at most two characters, as atoi reads it.
int ReadPiece(std::string_view piece)
{
    char text[kDigitsPerPiece + 1] = {};
    piece.copy(text, kDigitsPerPiece);
    return std::atoi(text);
}

// The field, or the default it stands for.
std::string_view Resolve(const std::string& field, const std::string& defaultTime)
{
    return IsDefaultTime(field) ? std::string_view(defaultTime) : std::string_view(field);
}

// The time of day on the local day of today.
std::optional<std::int64_t> OnDay(const std::tm& today, const TimeOfDay& time)
{
    std::tm fields = today;
    fields.tm_hour = time.hours;
    fields.tm_min = time.minutes;
    fields.tm_sec = 0;
    return FromLocalFields(fields);
}

int Channel(ColorRef color, int index)
{
    return static_cast<int>((color >> (kBitsPerChannel * index)) & kChannelMask);
}

ColorRef BlendColor(ColorRef main, ColorRef shift, float fraction)
{
    int channels[kChannelsPerColor];
    for (int i = 0; i < kChannelsPerColor; ++i) {
        const int from = Channel(main, i);
        const int difference = Channel(shift, i) - from;
        channels[i] = from + static_cast<int>(static_cast<float>(difference) * fraction);
    }
    return PackColorRef(channels[0], channels[1], channels[2]);
}

ColorList Blend(const ColorList& mainColors, const ColorList& shiftColors, float fraction)
{
    ColorList colors;
    for (std::size_t i = 0; i < kPaletteSize; ++i)
        colors[i] = BlendColor(mainColors[i], shiftColors[i], fraction);
    return colors;
}

} // namespace

std::optional<DayTimeTexts> SplitTimeSettings(std::string_view timeSettings,
                                              std::string_view separator)
{
    if (separator.empty())
        return std::nullopt;
    const std::size_t first = timeSettings.find(separator);
    if (first == std::string_view::npos)
        return std::nullopt;
    // The separator's first character is at first, so last is at or after it.
    const std::size_t last = timeSettings.rfind(separator.front());
    const std::size_t startLength = last > first ? last - first - 1 : 0;
    return DayTimeTexts{std::string(timeSettings.substr(first + 1, startLength)),
                        std::string(timeSettings.substr(last + 1))};
}

bool IsDefaultTime(std::string_view text)
{
    const std::string_view word = kDefaultTimeText;
    return text.size() == word.size()
           && std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
                  return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
              });
}

bool IsValidTime(std::string_view text, char separator)
{
    if (separator == '\0' || text.size() != kTimeLength || text[kDigitsPerPiece] != separator)
        return false;
    const auto allDigits = [](std::string_view piece) {
        return std::all_of(piece.begin(), piece.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return allDigits(text.substr(0, kDigitsPerPiece)) && allDigits(text.substr(kDigitsPerPiece + 1))
           && ReadTimeOfDay(text).has_value();
}

std::optional<TimeOfDay> ReadTimeOfDay(std::string_view text)
{
    const std::size_t lastPiece = text.size() > kDigitsPerPiece ? text.size() - kDigitsPerPiece : 0;
    const TimeOfDay time = {ReadPiece(text.substr(0, kDigitsPerPiece)),
                            ReadPiece(text.substr(lastPiece))};
    if (time.hours < 0 || time.hours >= kHoursPerDay || time.minutes < 0
        || time.minutes >= kMinutesPerHour)
        return std::nullopt;
    return time;
}

std::optional<ColorList> ScheduledColors(std::string_view timeSettings, std::string_view separator,
                                         const DayDefaults& defaults, const ColorList& mainColors,
                                         const ColorList& shiftColors, std::int64_t now)
{
    const std::optional<DayTimeTexts> texts = SplitTimeSettings(timeSettings, separator);
    if (!texts)
        return std::nullopt;
    const std::optional<TimeOfDay> startTime = ReadTimeOfDay(Resolve(texts->start, defaults.start));
    const std::optional<TimeOfDay> endTime = ReadTimeOfDay(Resolve(texts->end, defaults.end));
    std::tm today = {};
    if (!startTime || !endTime || !ToLocalFields(now, today))
        return std::nullopt;
    std::optional<std::int64_t> start = OnDay(today, *startTime);
    std::optional<std::int64_t> end = OnDay(today, *endTime);
    if (!start || !end || *start == *end)
        return std::nullopt;
    if (*start > *end)
        std::swap(start, end);

    if (now < *start)
        return mainColors;
    if (now > *end)
        return shiftColors;
    const std::int64_t elapsed = (now - *start) / kSecondsPerMinute;
    const std::int64_t total = (*end - *start) / kSecondsPerMinute;
    // Less than a minute apart (a zone offset with seconds): no span to blend over.
    if (total == 0)
        return std::nullopt;
    const float fraction = static_cast<float>(static_cast<double>(elapsed) / static_cast<double>(total));
    return Blend(mainColors, shiftColors, fraction);
}

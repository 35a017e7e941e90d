// The day schedule's arithmetic: which colours a scheduled setting shows at a
// given moment. Pure code: it builds natively too.
//
// A setting's time settings string has three fields joined by the separator
// text (";" in English): a period word, the start and the end of the
// scheduled day. Start and end are "hh:mm", or "default" in any letter case,
// which stands for the theme's default day start or end. Before the start the
// main colours show, after the end the shift colours, and in between a blend
// that steps with whole minutes.
#pragma once

#include "model/Theme.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The start and end fields of a time settings string, as written.
struct DayTimeTexts {
    std::string start;
    std::string end;
};

// The start is what lies between the first occurrence of the separator text
// and the last occurrence of its first character, the end what follows that.
// "Day;09:30" has an empty start. None when the string holds no separator or
// the separator is empty.
std::optional<DayTimeTexts> SplitTimeSettings(std::string_view timeSettings,
                                              std::string_view separator);

// What a start or end field holds to stand for the theme's default time.
inline constexpr char kDefaultTimeText[] = "default";

// "default" in any letter case.
bool IsDefaultTime(std::string_view text);

// A time as the user must enter it: exactly "hh" separator "mm", two digits
// each, 00 to 23 hours and 00 to 59 minutes. Nothing is valid with a zero
// separator (an empty separator text).
bool IsValidTime(std::string_view text, char separator);

struct TimeOfDay {
    int hours;
    int minutes;
};

// Hours are the number at the start of the first two characters, minutes the
// number at the start of the last two, each read as atoi reads it ("8:30" is
// 8 h 30 min; a piece without a number is 0; "" is 00:00). None when the
// hours are outside 0..23 or the minutes outside 0..59.
std::optional<TimeOfDay> ReadTimeOfDay(std::string_view text);

// What "default" stands for: the theme's default day start and end.
struct DayDefaults {
    std::string start;
    std::string end;
};

// The colours of a scheduled setting at now (seconds since 1970, UTC), or none
// when nothing is to be applied: no separator, a time that is no time of day,
// start equal to end, or a moment the runtime's local time cannot express.
// Start and end are taken on now's local day, with daylight saving decided by
// the runtime's local-time conversion; reversed times are exchanged. In
// between, each channel is main + trunc((shift - main) x f), with f the whole
// minutes elapsed over the whole minutes of the day's span.
std::optional<ColorList> ScheduledColors(std::string_view timeSettings, std::string_view separator,
                                         const DayDefaults& defaults, const ColorList& mainColors,
                                         const ColorList& shiftColors, std::int64_t now);

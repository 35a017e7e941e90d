// Colours and moments shared by the schedule arithmetic's tests.
#pragma once

#include "model/Schedule.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace scheduletest {

// A moment given in local time, converted the way the schedule converts:
// daylight saving left to the runtime.
inline std::int64_t LocalMoment(int year, int month, int day, int hour, int minute, int second = 0)
{
    std::tm fields = {};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    return std::mktime(&fields);  // 64-bit wherever the tests run
}

// A summer day without a daylight-saving change in any zone.
inline std::int64_t OnTestDay(int hour, int minute, int second = 0)
{
    return LocalMoment(2024, 6, 15, hour, minute, second);
}

inline ColorList Uniform(ColorRef color, ColorRef lastColor)
{
    ColorList colors;
    colors.fill(color);
    colors[kPaletteSize - 1] = lastColor;
    return colors;
}

// Main red 100 and shift red 201; green falls, blue rises; the last entry
// goes from black to white. Halfway: 100 + trunc(101 x 0.5), 200 +
// trunc(-101 x 0.5), 0 + trunc(7 x 0.5), and trunc(255 x 0.5) for the last.
inline const ColorList kMain = Uniform(PackColorRef(100, 200, 0), PackColorRef(0, 0, 0));
inline const ColorList kShift = Uniform(PackColorRef(201, 99, 7), PackColorRef(255, 255, 255));
inline const ColorList kHalfway = Uniform(PackColorRef(150, 150, 3), PackColorRef(127, 127, 127));
inline const DayDefaults kStandardDefaults = {"08:00", "18:00"};

inline std::optional<ColorList> ColorsAt(const std::string& timeSettings, std::int64_t now,
                                         const DayDefaults& defaults = kStandardDefaults,
                                         const char* separator = ";")
{
    return ScheduledColors(timeSettings, separator, defaults, kMain, kShift, now);
}

} // namespace scheduletest

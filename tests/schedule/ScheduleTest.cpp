// The day schedule's arithmetic, natively and under Wine.
#include "model/Schedule.h"

#include "tests/schedule/ScheduleCases.h"

#include <gtest/gtest.h>

#include <string>

using namespace scheduletest;

namespace {

TEST(TimeSettings, SplitAtTheFirstSeparatorAndTheLastOfItsFirstCharacter)
{
    const struct { const char *settings, *separator, *fields; } cases[] = {  // fields: "start|end", or "none"
        {"Day;a;b;c", ";", "a;b|c"}, {"Day;09:30", ";", "|09:30"}, {"Day;08:00;18:00", "", "none"},
        // A longer separator: each field starts one character after its separator's start.
        {"Day, 08:00, 18:00", ", ", " 08:00| 18:00"}, {"Day,08:00,18:00", ", ", "none"},
    };
    for (const auto& c : cases) {
        const std::optional<DayTimeTexts> fields = SplitTimeSettings(c.settings, c.separator);
        EXPECT_EQ(fields ? fields->start + "|" + fields->end : "none", c.fields) << c.settings;
    }
}

TEST(TimeSettings, TimesAreTwoCharacterNumbersWithinADay)
{
    const struct { const char *text, *time; } cases[] = {  // time: "h:m", or "none"
        {"23:59", "23:59"}, {"", "0:0"}, {"ab:cd", "0:0"}, {"7", "7:7"}, {"123456", "12:56"}, {" 9: 9", "9:9"},
        // Hand-edited times that are no time of day.
        {"24:00", "none"}, {"12:60", "none"}, {"-1:00", "none"}, {"08:-5", "none"},
    };
    for (const auto& c : cases) {
        const std::optional<TimeOfDay> time = ReadTimeOfDay(c.text);
        EXPECT_EQ(time ? std::to_string(time->hours) + ":" + std::to_string(time->minutes) : "none", c.time) << c.text;
    }
}

TEST(TimeSettings, AnEnteredTimeIsExactlyTwoDigitsTheSeparatorAndTwoDigitsWithinADay)
{
    for (const char* valid : {"08:00", "00:00", "23:59"})
        EXPECT_TRUE(IsValidTime(valid, ':') && !IsValidTime(valid, '\0')) << valid;
    for (const char* invalid : {"8:00", "24:00", "12:60", "12.30", "08:00 ", "ab:cd", "", "+1:00", "08::0"})
        EXPECT_FALSE(IsValidTime(invalid, ':')) << invalid;
}

TEST(ScheduledColors, MainBeforeTheDayShiftAfterItAndTheBlendInWholeMinutes)
{
    const DayDefaults laterEnd = {"08:00", "20:00"};
    const DayDefaults laterStart = {"10:00", "99:99"};
    const DayDefaults handEdited = {"08:00", "18:75"};
    const struct {
        const char* settings;
        int hour, minute;
        const ColorList* colors;  // none: nothing to apply
        const DayDefaults* defaults = &kStandardDefaults;
        const char* separator = ";";
        int second = 0;
    } cases[] = {
        {"Day;08:00;18:00", 7, 59, &kMain}, {"Day;08:00;18:00", 8, 0, &kMain},
        {"Day;08:00;18:00", 13, 0, &kHalfway}, {"Day;08:00;18:00", 13, 0, &kHalfway, &kStandardDefaults, ";", 59},
        {"Day;08:00;18:00", 18, 0, &kShift}, {"Day;08:00;18:00", 18, 1, &kShift},
        {"Day;18:00;08:00", 13, 0, &kHalfway},  // reversed: the same day
        {"Day;09:30", 4, 45, &kHalfway},        // one separator: the day starts at midnight
        // "default" in any letter case stands for the theme's default.
        {"Day;default;default", 14, 0, &kHalfway, &laterEnd},
        {"Day;DEFAULT;18:00", 14, 0, &kHalfway, &laterStart}, {"Day;defaults;18:00", 9, 0, &kHalfway},
        // The separator is the catalogue's text.
        {"Tag|08:00|18:00", 13, 0, &kHalfway, &kStandardDefaults, "|"}, {"Tag|08:00|18:00", 13, 0, nullptr},
        // Nothing to apply: equal times, no separator, no time of day.
        {"Day;08:00;08:00", 8, 0, nullptr}, {"Day;24:00;18:00", 13, 0, nullptr},
        {"Day;08:00;default", 13, 0, nullptr, &handEdited},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorsAt(c.settings, OnTestDay(c.hour, c.minute, c.second), *c.defaults, c.separator),
                  c.colors ? std::optional<ColorList>(*c.colors) : std::nullopt)
            << c.settings << " at " << c.hour << ":" << c.minute << ":" << c.second;
    for (const std::int64_t moment : {std::int64_t{1} << 62, -(std::int64_t{1} << 62)})
        EXPECT_FALSE(ColorsAt("Day;08:00;18:00", moment)) << "a moment the runtime cannot express";
}

TEST(ScheduledColors, BlendTruncatesTowardZeroInSinglePrecisionWithAZeroFourthByte)
{
    const auto at = [](const char* day, ColorRef main, ColorRef shift, int minute) {
        return (*ScheduledColors(day, ";", kStandardDefaults, Uniform(main, main), Uniform(shift, shift),
                                 OnTestDay(8, minute)))[0];
    };
    // f = 0.3 as a float: -101 x f gives -30, not -31; 101 x f gives 30.
    EXPECT_EQ(at("Day;08:00;08:10", PackColorRef(200, 0, 10), PackColorRef(99, 101, 20), 3), PackColorRef(170, 30, 13));
    // f = 6/600 as a float is just below 0.01: 100 x f is 1 in single
    // precision, 0.99999998 in double.
    EXPECT_EQ(at("Day;08:00;18:00", 0, PackColorRef(100, 0, 0), 6), PackColorRef(1, 0, 0));
    const ColorRef fourthByte = 0xFF000000u;
    EXPECT_EQ(at("Day;08:00;08:10", fourthByte | PackColorRef(10, 20, 30), fourthByte | PackColorRef(30, 40, 50), 5),
              PackColorRef(20, 30, 40));
}

} // namespace

// The day schedule's arithmetic at chosen moments: the time settings string,
// the times of day, and the colours before, during and after the scheduled
// day. Runs natively under sanitizers and under Wine with the module's runtime.
#include "model/Schedule.h"

#include "tests/schedule/ScheduleCases.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace scheduletest;

namespace {

// The two fields as "start|end", or "none".
std::string Split(std::string_view timeSettings, std::string_view separator = kSemicolon)
{
    const std::optional<DayTimeTexts> fields = SplitTimeSettings(timeSettings, separator);
    return fields ? fields->start + "|" + fields->end : "none";
}

TEST(TimeSettings, SplitsAtTheFirstSeparatorAndTheLastSeparatorCharacter)
{
    EXPECT_EQ(Split("Day;08:00;18:00"), "08:00|18:00");
    EXPECT_EQ(Split("Day;09:30"), "|09:30");
    EXPECT_EQ(Split("Day;a;b;c"), "a;b|c");
    EXPECT_EQ(Split(";;"), "|");
    EXPECT_EQ(Split("default"), "none");
    EXPECT_EQ(Split(""), "none");
    EXPECT_EQ(Split("Day,08:00,18:00"), "none");
    EXPECT_EQ(Split("Day;08:00;18:00", ""), "none") << "an empty separator separates nothing";
}

TEST(TimeSettings, ATranslatedSeparatorChangesWhatIsAccepted)
{
    EXPECT_EQ(Split("Tag|08:00|18:00", "|"), "08:00|18:00");
    EXPECT_EQ(Split("Day;08:00;18:00", "|"), "none");

    // A longer separator: found as a whole, the end found by its first
    // character; each field starts one character after its separator's start.
    EXPECT_EQ(Split("Day, 08:00, 18:00", ", "), " 08:00| 18:00");
    EXPECT_EQ(Split("Day,08:00,18:00", ", "), "none");
    // Its only occurrence: the start is empty, the end begins inside it.
    EXPECT_EQ(Split("Day, 09:30", ", "), "| 09:30");
}

TEST(TimeSettings, DefaultInAnyLetterCase)
{
    EXPECT_TRUE(IsDefaultTime("default"));
    EXPECT_TRUE(IsDefaultTime("DEFAULT"));
    EXPECT_TRUE(IsDefaultTime("Default"));
    EXPECT_FALSE(IsDefaultTime("defaults"));
    EXPECT_FALSE(IsDefaultTime(" default"));
    EXPECT_FALSE(IsDefaultTime(""));
}

TEST(TimeSettings, TimesAreReadAsTwoCharacterNumbers)
{
    const auto read = [](const char* text) {
        const std::optional<TimeOfDay> time = ReadTimeOfDay(text);
        return time ? std::to_string(time->hours) + "h" + std::to_string(time->minutes) : "none";
    };
    EXPECT_EQ(read("08:00"), "8h0");
    EXPECT_EQ(read("8:30"), "8h30");
    EXPECT_EQ(read("23:59"), "23h59");
    EXPECT_EQ(read(""), "0h0");
    EXPECT_EQ(read("ab:cd"), "0h0");
    EXPECT_EQ(read("7"), "7h7") << "one character is both pieces";
    EXPECT_EQ(read("123456"), "12h56");
    EXPECT_EQ(read(" 9: 9"), "9h9") << "atoi skips leading blanks";
    EXPECT_EQ(read("+5:+5"), "5h5");
    EXPECT_EQ(read("0x:1x"), "0h1");

    // Hand-edited times that are no time of day.
    EXPECT_EQ(read("24:00"), "none");
    EXPECT_EQ(read("99:00"), "none");
    EXPECT_EQ(read("12:60"), "none");
    EXPECT_EQ(read("-1:00"), "none");
    EXPECT_EQ(read("08:-5"), "none");
}

TEST(ScheduledColors, MainBeforeTheDayShiftAfterItAndTheBlendInBetween)
{
    const std::string day = "Day;08:00;18:00";
    EXPECT_EQ(ColorsAt(day, OnTestDay(7, 59)), kMain);
    EXPECT_EQ(ColorsAt(day, OnTestDay(7, 59, 59)), kMain);
    EXPECT_EQ(ColorsAt(day, OnTestDay(13, 0)), kHalfway);
    EXPECT_EQ(ColorsAt(day, OnTestDay(18, 1)), kShift);
    EXPECT_EQ(ColorsAt(day, OnTestDay(23, 59, 59)), kShift);
    EXPECT_EQ(ColorsAt(day, OnTestDay(0, 0)), kMain);
}

TEST(ScheduledColors, ExactlyAtStartAndEnd)
{
    const std::string day = "Day;08:00;18:00";
    EXPECT_EQ(ColorsAt(day, OnTestDay(8, 0)), kMain);
    EXPECT_EQ(ColorsAt(day, OnTestDay(8, 0, 59)), kMain) << "whole minutes";
    EXPECT_EQ(ColorsAt(day, OnTestDay(18, 0)), kShift);
    EXPECT_EQ(ColorsAt(day, OnTestDay(13, 0, 59)), kHalfway) << "whole minutes";
}

TEST(ScheduledColors, BlendTruncatesTowardZeroInSinglePrecision)
{
    // 08:00 to 08:10: at 08:03, f = 0.3 as a float (0.300000012).
    const ColorList main = Uniform(PackColorRef(200, 0, 10), PackColorRef(0, 0, 0));
    const ColorList shift = Uniform(PackColorRef(99, 101, 20), PackColorRef(255, 255, 255));
    const auto at = [&](int minute) {
        return ScheduledColors("Day;08:00;08:10", kSemicolon, kStandardDefaults, main, shift,
                               OnTestDay(8, minute));
    };
    // -101 x 0.3 = -30.3 gives -30, not -31; 101 x 0.3 = 30.3 gives 30; 10 x 0.3 = 3.
    EXPECT_EQ(at(3), Uniform(PackColorRef(170, 30, 13), PackColorRef(76, 76, 76)));
    // 08:00 to 08:03: f = 1/3 as a float is a little above a third, so 3 x f
    // is a little above 1 and gives 1.
    const ColorList third = *ScheduledColors("Day;08:00;08:03", kSemicolon, kStandardDefaults,
                                             Uniform(0, 0), Uniform(PackColorRef(3, 6, 9), 0),
                                             OnTestDay(8, 1));
    EXPECT_EQ(third[0], PackColorRef(1, 2, 3));
}

TEST(ScheduledColors, BlendedColorsHaveAZeroFourthByte)
{
    const ColorList main = Uniform(0xFF000000u | PackColorRef(10, 20, 30), 0xFF000000u);
    const ColorList shift = Uniform(0xFF000000u | PackColorRef(30, 40, 50), 0xFF000000u);
    const auto colors = ScheduledColors("Day;08:00;18:00", kSemicolon, kStandardDefaults, main,
                                        shift, OnTestDay(13, 0));
    ASSERT_TRUE(colors);
    EXPECT_EQ((*colors)[0], PackColorRef(20, 30, 40));
    EXPECT_EQ((*colors)[kPaletteSize - 1], 0u);
}

TEST(ScheduledColors, ReversedTimesBehaveLikeTheDayInOrder)
{
    const std::string reversed = "Day;18:00;08:00";
    EXPECT_EQ(ColorsAt(reversed, OnTestDay(7, 59)), kMain);
    EXPECT_EQ(ColorsAt(reversed, OnTestDay(8, 0)), kMain);
    EXPECT_EQ(ColorsAt(reversed, OnTestDay(13, 0)), kHalfway);
    EXPECT_EQ(ColorsAt(reversed, OnTestDay(18, 0)), kShift);
    EXPECT_EQ(ColorsAt(reversed, OnTestDay(18, 1)), kShift);
}

TEST(ScheduledColors, NothingForEqualTimesOrWithoutASeparator)
{
    EXPECT_FALSE(ColorsAt("Day;08:00;08:00", OnTestDay(8, 0)));
    EXPECT_FALSE(ColorsAt("Day;08:00;08:00", OnTestDay(13, 0)));
    EXPECT_FALSE(ColorsAt("Day;8:00;08:00", OnTestDay(13, 0))) << "8:00 is 08:00";
    EXPECT_FALSE(ColorsAt("default", OnTestDay(13, 0)));
    EXPECT_FALSE(ColorsAt("Day 08:00 18:00", OnTestDay(13, 0)));
    EXPECT_FALSE(ColorsAt("", OnTestDay(13, 0)));
}

TEST(ScheduledColors, DefaultFieldsStandForTheThemesDefaults)
{
    const std::string defaults = "Day;default;default";
    EXPECT_EQ(ColorsAt(defaults, OnTestDay(7, 59)), kMain);
    EXPECT_EQ(ColorsAt(defaults, OnTestDay(13, 0)), kHalfway);
    EXPECT_EQ(ColorsAt(defaults, OnTestDay(18, 1)), kShift);

    // A stored default day end of 20:00: the day is 08:00 to 20:00.
    const DayDefaults laterEnd = {"08:00", "20:00"};
    EXPECT_EQ(ColorsAt(defaults, OnTestDay(14, 0), laterEnd), kHalfway);
    EXPECT_EQ(ColorsAt(defaults, OnTestDay(19, 0), laterEnd), ColorsAt("Day;08:00;20:00", OnTestDay(19, 0)));
    EXPECT_EQ(ColorsAt(defaults, OnTestDay(20, 1), laterEnd), kShift);

    // Any letter case; a field that is not "default" ignores the defaults.
    const DayDefaults laterStart = {"10:00", "99:99"};
    EXPECT_EQ(ColorsAt("Day;DEFAULT;18:00", OnTestDay(9, 59), laterStart), kMain);
    EXPECT_EQ(ColorsAt("Day;DEFAULT;18:00", OnTestDay(14, 0), laterStart), kHalfway);
    EXPECT_EQ(ColorsAt("Day;Default;18:00", OnTestDay(14, 0), laterStart), kHalfway);
}

TEST(ScheduledColors, OneSeparatorSchedulesFromMidnight)
{
    const std::string morning = "Day;09:30";
    EXPECT_EQ(ColorsAt(morning, OnTestDay(0, 0)), kMain);
    EXPECT_EQ(ColorsAt(morning, OnTestDay(4, 45)), kHalfway);
    EXPECT_EQ(ColorsAt(morning, OnTestDay(9, 30)), kShift);
    EXPECT_EQ(ColorsAt(morning, OnTestDay(9, 31)), kShift);
}

TEST(ScheduledColors, ATranslatedSeparator)
{
    EXPECT_EQ(ColorsAt("Tag|08:00|18:00", OnTestDay(13, 0), kStandardDefaults, "|"), kHalfway);
    EXPECT_FALSE(ColorsAt("Day;08:00;18:00", OnTestDay(13, 0), kStandardDefaults, "|"));
    EXPECT_FALSE(ColorsAt("Tag|08:00|18:00", OnTestDay(13, 0)));
}

TEST(ScheduledColors, NothingForTimesThatAreNoTimeOfDay)
{
    EXPECT_FALSE(ColorsAt("Day;24:00;18:00", OnTestDay(13, 0)));
    EXPECT_FALSE(ColorsAt("Day;08:00;18:60", OnTestDay(13, 0)));
    EXPECT_FALSE(ColorsAt("Day;-1:00;18:00", OnTestDay(13, 0)));
    EXPECT_FALSE(ColorsAt("Day;99;18:00", OnTestDay(13, 0)));
    // Hand-edited defaults.
    EXPECT_FALSE(ColorsAt("Day;default;18:00", OnTestDay(13, 0), {"25:00", "18:00"}));
    EXPECT_FALSE(ColorsAt("Day;08:00;default", OnTestDay(13, 0), {"08:00", "18:75"}));
}

TEST(ScheduledColors, MomentsTheRuntimeCannotExpressGiveNothing)
{
    const std::int64_t farFuture = static_cast<std::int64_t>(1) << 62;
    EXPECT_FALSE(ColorsAt("Day;08:00;18:00", farFuture));
    EXPECT_FALSE(ColorsAt("Day;08:00;18:00", -farFuture));
}

} // namespace

// The day schedule on days when daylight saving begins or ends follows the
// runtime's local-time conversion, also on the hour that is missing or doubled.
// Wine's runtime fixes its daylight-saving rules at the first local-time
// conversion: under Wine this runs in a program of its own, which sets the
// zone before anything converts a time.
#include "tests/schedule/ScheduleCases.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

using namespace scheduletest;

namespace {

TEST(ScheduledColors, DaysWithADaylightSavingChangeFollowTheRuntime)
{
    // US Pacific time: daylight saving from the second Sunday of March to the
    // first Sunday of November; both runtimes know the rules from the name. It
    // stays for the program's other tests, which use a day without a change.
#ifdef _WIN32
    _putenv("TZ=PST8PDT");
    _tzset();
#else
    setenv("TZ", "PST8PDT", 1);
    tzset();
#endif
    // Spring forward on 10 March 2024, fall back on 3 November: a span across
    // the change is an hour shorter or longer, so half of it has gone an hour
    // after 01:00 in spring and two hours after midnight in fall.
    EXPECT_EQ(ColorsAt("Day;01:00;04:00", LocalMoment(2024, 3, 10, 3, 0)), kHalfway);
    EXPECT_EQ(ColorsAt("Day;00:00;03:00", LocalMoment(2024, 11, 3, 0, 0) + 2 * 3600), kHalfway);

    // Any span on those days, starting or ending in the missing or doubled
    // hour among them, gives what the same span (as long as the runtime
    // makes it) gives on an ordinary day at the same time after its start.
    const struct {
        int month, day, startHour, startMinute, endHour, endMinute;
    } days[] = {{3, 10, 1, 0, 4, 0}, {3, 10, 8, 0, 18, 0}, {3, 10, 2, 30, 3, 30}, {3, 10, 2, 0, 2, 59},
                {11, 3, 1, 30, 2, 0}, {11, 3, 8, 0, 18, 0}};
    for (const auto& d : days) {
        const std::string settings = Day(d.startHour * 60 + d.startMinute, d.endHour * 60 + d.endMinute);
        std::int64_t start = LocalMoment(2024, d.month, d.day, d.startHour, d.startMinute);
        std::int64_t end = LocalMoment(2024, d.month, d.day, d.endHour, d.endMinute);
        if (start > end)
            std::swap(start, end);
        const std::string ordinary = Day(12 * 60, 12 * 60 + static_cast<int>((end - start) / 60));
        for (std::int64_t now : {start - 60, start, start + 60, (start + end) / 2, end - 60, end, end + 60})
            EXPECT_EQ(ColorsAt(settings, now), ColorsAt(ordinary, OnTestDay(12, 0) + (now - start)))
                << settings << " at " << now;
    }
}

} // namespace

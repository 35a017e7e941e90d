// The day schedule on days when daylight saving begins or ends. Wine's runtime
// fixes its rules at the first local-time conversion: under Wine this runs in
// a program of its own, which sets the zone before anything converts a time.
#include "tests/schedule/ScheduleCases.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace scheduletest;

namespace {

TEST(ScheduledColors, DaysWithADaylightSavingChangeFollowTheRuntime)
{
    // US Pacific time, whose rules both runtimes know from the name. It stays
    // for the program's other tests, which use a day without a change.
#ifdef _WIN32
    _putenv("TZ=PST8PDT");
    _tzset();
#else
    setenv("TZ", "PST8PDT", 1);
    tzset();
#endif
    // Spring forward on 10 March 2024, fall back on 3 November: a span across
    // the change is an hour shorter or longer.
    EXPECT_EQ(ColorsAt("Day;01:00;04:00", LocalMoment(2024, 3, 10, 3, 0)), kHalfway);
    EXPECT_EQ(ColorsAt("Day;00:00;03:00", LocalMoment(2024, 11, 3, 0, 0) + 2 * 3600), kHalfway);
}

} // namespace

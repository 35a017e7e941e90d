// The day schedule on days when daylight saving begins or ends: it follows
// the runtime's own local-time conversion and never fails on the hour that
// is missing or doubled.
//
// Under Wine the runtime takes its daylight-saving rules from the first
// local-time conversion of the process: a time zone set afterwards moves the
// offset but keeps the rules. So under Wine these tests run in a program of
// their own, which sets the zone before anything converts a time.
#include "model/Schedule.h"

#include "tests/schedule/ScheduleCases.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <utility>

using namespace scheduletest;

namespace {

// The runtime's time zone for the length of a test.
class TimeZone {
public:
    explicit TimeZone(const char* zone) { Set(zone); }
    ~TimeZone() { Set(nullptr); }
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

private:
    static void Set(const char* zone)
    {
#ifdef _WIN32
        static std::string setting;
        setting = std::string("TZ=") + (zone ? zone : "");
        _putenv(setting.c_str());
        _tzset();
#else
        if (zone)
            setenv("TZ", zone, 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }
};

// US Pacific time: daylight saving from the second Sunday of March to the
// first Sunday of November. Wine's runtime knows the rules from the name alone.
#ifdef _WIN32
const char kPacific[] = "PST8PDT";
#else
const char kPacific[] = "PST8PDT,M3.2.0,M11.1.0";
#endif

// What the schedule gives on an ordinary day for a span as long as the
// runtime makes the one from start to end, at the same time after its start:
// a day with a change must give the same.
std::optional<ColorList> SameSpanOnAnOrdinaryDay(std::int64_t start, std::int64_t end, std::int64_t now)
{
    if (start > end)
        std::swap(start, end);
    const int noon = 12 * 60;
    const int spanEnd = noon + static_cast<int>((end - start) / 60);
    char day[32];
    std::snprintf(day, sizeof(day), "Day;12:00;%02d:%02d", spanEnd / 60, spanEnd % 60);
    return ColorsAt(day, OnTestDay(12, 0) + (now - start));
}

void ExpectDayFollowsTheRuntime(int month, int day, int startHour, int startMinute, int endHour,
                                int endMinute)
{
    char settings[32];
    std::snprintf(settings, sizeof(settings), "Day;%02d:%02d;%02d:%02d", startHour, startMinute,
                  endHour, endMinute);
    const std::int64_t start = LocalMoment(2024, month, day, startHour, startMinute);
    const std::int64_t end = LocalMoment(2024, month, day, endHour, endMinute);
    ASSERT_NE(start, -1);
    ASSERT_NE(end, -1);
    const std::int64_t dayBegin = LocalMoment(2024, month, day, 0, 0);
    const std::int64_t nextDay = LocalMoment(2024, month, day + 1, 0, 0);
    for (std::int64_t now : {start - 60, start, start + 60, (start + end) / 2, end - 60, end, end + 60}) {
        if (now < dayBegin || now >= nextDay)
            continue;
        EXPECT_EQ(ColorsAt(settings, now), SameSpanOnAnOrdinaryDay(start, end, now))
            << settings << " at " << now;
    }
}

TEST(ScheduledColors, DaysWithADaylightSavingChangeFollowTheRuntime)
{
    const TimeZone pacific(kPacific);
    // The runtime sees the change: 01:00 and 04:00 on 10 March 2024 are two
    // hours apart, on 9 March three; 00:00 and 03:00 on 3 November four.
    EXPECT_EQ(LocalMoment(2024, 3, 10, 4, 0) - LocalMoment(2024, 3, 10, 1, 0), 2 * 3600);
    EXPECT_EQ(LocalMoment(2024, 3, 9, 4, 0) - LocalMoment(2024, 3, 9, 1, 0), 3 * 3600);
    EXPECT_EQ(LocalMoment(2024, 11, 3, 3, 0) - LocalMoment(2024, 11, 3, 0, 0), 4 * 3600);

    // Spring forward: a span across the change is an hour shorter, so at
    // 03:00, an hour after 01:00, half of it has gone.
    EXPECT_EQ(ColorsAt("Day;01:00;04:00", LocalMoment(2024, 3, 10, 3, 0)), kHalfway);
    ExpectDayFollowsTheRuntime(3, 10, 1, 0, 4, 0);
    ExpectDayFollowsTheRuntime(3, 10, 8, 0, 18, 0);
    // Start or end in the hour that does not exist, whatever the runtime makes of it.
    ExpectDayFollowsTheRuntime(3, 10, 2, 30, 3, 30);
    ExpectDayFollowsTheRuntime(3, 10, 2, 0, 2, 59);
    // Fall back: the span is an hour longer; half of it has gone two hours
    // after midnight, when the clock shows 01:00 for the second time.
    EXPECT_EQ(ColorsAt("Day;00:00;03:00", LocalMoment(2024, 11, 3, 0, 0) + 2 * 3600), kHalfway);
    ExpectDayFollowsTheRuntime(11, 3, 0, 0, 3, 0);
    // 01:30 occurs twice.
    ExpectDayFollowsTheRuntime(11, 3, 1, 30, 2, 0);
    ExpectDayFollowsTheRuntime(11, 3, 8, 0, 18, 0);
}

} // namespace

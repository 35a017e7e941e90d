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

// The colours expected from the runtime's own conversion of the day's start
// and end: the schedule follows it on days with a daylight-saving change.
std::optional<ColorList> ExpectedOnDay(std::int64_t start, std::int64_t end, std::int64_t now)
{
    if (start == end)
        return std::nullopt;
    if (start > end)
        std::swap(start, end);
    if (now < start)
        return kMain;
    if (now > end)
        return kShift;
    const float fraction =
        static_cast<float>(static_cast<double>((now - start) / 60) / static_cast<double>((end - start) / 60));
    ColorList colors;
    for (std::size_t i = 0; i < kPaletteSize; ++i) {
        int channels[3];
        for (int c = 0; c < 3; ++c) {
            const int from = static_cast<int>((kMain[i] >> (8 * c)) & 0xFF);
            const int to = static_cast<int>((kShift[i] >> (8 * c)) & 0xFF);
            channels[c] = from + static_cast<int>(static_cast<float>(to - from) * fraction);
        }
        colors[i] = PackColorRef(channels[0], channels[1], channels[2]);
    }
    return colors;
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
    // Every ten minutes of the day, and a minute either side of start and end
    // as long as it is still that day.
    const std::int64_t dayBegin = LocalMoment(2024, month, day, 0, 0);
    const std::int64_t nextDay = LocalMoment(2024, month, day + 1, 0, 0);
    for (std::int64_t now = dayBegin; now < nextDay; now += 600)
        EXPECT_EQ(ColorsAt(settings, now), ExpectedOnDay(start, end, now)) << settings << " at " << now;
    for (std::int64_t now : {start - 60, start, start + 60, end - 60, end, end + 60}) {
        if (now < dayBegin || now >= nextDay)
            continue;
        EXPECT_EQ(ColorsAt(settings, now), ExpectedOnDay(start, end, now)) << settings << " at " << now;
    }
}

TEST(ScheduledColors, DaysWithADaylightSavingChangeFollowTheRuntime)
{
    const TimeZone pacific(kPacific);
    // The runtime sees the change: 01:00 and 04:00 on 10 March 2024 are two
    // hours apart, on 9 March three.
    EXPECT_EQ(LocalMoment(2024, 3, 10, 4, 0) - LocalMoment(2024, 3, 10, 1, 0), 2 * 3600);
    EXPECT_EQ(LocalMoment(2024, 3, 9, 4, 0) - LocalMoment(2024, 3, 9, 1, 0), 3 * 3600);
    EXPECT_EQ(LocalMoment(2024, 11, 3, 3, 0) - LocalMoment(2024, 11, 3, 0, 0), 4 * 3600);

    // Spring forward: a span across the change is an hour shorter, so at
    // 03:00 (an hour after 01:00 by the clock's new reading) half of it has gone.
    ExpectDayFollowsTheRuntime(3, 10, 1, 0, 4, 0);
    EXPECT_EQ(ColorsAt("Day;01:00;04:00", LocalMoment(2024, 3, 10, 3, 0)), kHalfway);
    // Start or end in the hour that does not exist, whatever the runtime makes of it.
    ExpectDayFollowsTheRuntime(3, 10, 2, 30, 3, 30);
    ExpectDayFollowsTheRuntime(3, 10, 2, 0, 2, 59);
    ExpectDayFollowsTheRuntime(3, 10, 8, 0, 18, 0);
    // Fall back: the span is an hour longer; 01:30 occurs twice.
    ExpectDayFollowsTheRuntime(11, 3, 0, 0, 3, 0);
    ExpectDayFollowsTheRuntime(11, 3, 1, 30, 2, 0);
    ExpectDayFollowsTheRuntime(11, 3, 8, 0, 18, 0);
}

} // namespace

// Through the real module: its own timer applies the scheduled setting and
// tells the session windows one period, five minutes, after loading: a slow test.
#include "tests/schedule/ScheduleCases.h"
#include "tests/schedule/ScheduleSupport.h"
#include "tests/support/LoadedModule.h"
#include "tests/support/StandInTest.h"

using namespace qortest;
using namespace scheduletest;

namespace {

using ModuleScheduleTest = StandInTest;

TEST_F(ModuleScheduleTest, TheModulesTimerAppliesTheScheduleOnePeriodAfterLoading)
{
    const DWORD period = 5 * 60 * 1000;
    const ColorList green = Uniform(PackColorRef(0, 255, 0), PackColorRef(0, 255, 0));
    StoreScheduledSetting(green, green, "Day;00:00;23:59", 1);
    LoadedModule module;
    ASSERT_TRUE(module);
    const DWORD loaded = ::GetTickCount();
    AppearanceWindow session("QOR_FRONTEND_SESSION");

    const auto applies = [] { return CallsTo(ThemeLibraryCalls(), "RmApplyColors"); };
    ASSERT_TRUE(DispatchUntil([&] { return !applies().empty(); }, period + 30 * 1000));
    EXPECT_GE(::GetTickCount() - loaded, period - 1000) << "not before one period";
    EXPECT_EQ(applies(), std::vector<std::string>{"RmApplyColors(" + Hex(green, ",") + ", \"Lark\")"});
    DispatchFor(50);
    EXPECT_EQ(session.received, std::vector<std::string>{"1 0"});
}

} // namespace

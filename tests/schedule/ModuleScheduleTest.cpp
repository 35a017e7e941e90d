// Through the real module: QorThemeReinit makes the process-wide manager read
// the scheduled setting afresh, and the module's own timer applies it five
// minutes after loading: a slow test.
#include "tests/schedule/ScheduleCases.h"
#include "tests/schedule/ScheduleSupport.h"
#include "tests/support/LoadedModule.h"
#include "tests/support/StandInTest.h"

using namespace qortest;
using namespace scheduletest;

namespace {

using ModuleScheduleTest = StandInTest;

TEST_F(ModuleScheduleTest, TheModulesTimerAppliesWhatReinitLoaded)
{
    const DWORD period = 5 * 60 * 1000;
    const ColorList green = Uniform(PackColorRef(0, 255, 0), PackColorRef(0, 255, 0));
    StoreScheduledSetting(green, green, "Day;00:00;23:59", 0);
    LoadedModule module;
    ASSERT_TRUE(module);
    const DWORD loaded = ::GetTickCount();
    AppearanceWindow session("QOR_FRONTEND_SESSION");

    // Switched on after loading: only a reload lets the timer see it.
    StoreScheduledSetting(green, green, "Day;00:00;23:59", 1);
    module.Reinit();
    const auto applies = [] { return CallsTo(ThemeLibraryCalls(), "RmApplyColors"); };
    ASSERT_TRUE(DispatchUntil([&] { return !applies().empty(); }, period + 30 * 1000));
    EXPECT_GE(::GetTickCount() - loaded, period - 1000) << "one period after loading";
    EXPECT_EQ(applies(), std::vector<std::string>{"RmApplyColors(" + Hex(green, ",") + ", \"Lark\")"});
    DispatchFor(50);
    EXPECT_EQ(session.received, std::vector<std::string>{"1 0"});
}

} // namespace

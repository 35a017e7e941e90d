// The appearance message as the front end receives it: the schedule's
// notification reaches the session windows of this and of another process and
// no window of another class; the other senders reach every top-level window
// with their codes and parameters, and the send to the active window is
// handled before it returns.
#include "model/Notification.h"

#include "tests/schedule/AppearanceWindow.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qortest;
using namespace scheduletest;

namespace {

// Longer than any test needs: the tests close the probes' windows.
const DWORD kProbeMs = 10000;

// Another process with a top-level window of that class, titled "probe",
// that prints the appearance messages it receives.
std::string ProbeSession(const char* className)
{
    return ProgramBeside("qorprobe.exe") + " session " + className + " " + std::to_string(kProbeMs);
}

bool ProbeWindowOpen(const char* className)
{
    return ::FindWindowA(className, "probe") != nullptr;
}

// What the probe printed: it handles what was posted before the close.
std::string CloseProbe(ChildProcess& probe, const char* className)
{
    ::PostMessageA(::FindWindowA(className, "probe"), WM_CLOSE, 0, 0);
    return probe.Finish();
}

std::vector<std::string> AsProbePrints(const std::vector<std::string>& received)
{
    std::vector<std::string> lines;
    for (const std::string& line : received)
        lines.push_back("appearance " + line);
    return lines;
}

const char kLongerClass[] = "QOR_FRONTEND_SESSIONS";
const char kShorterClass[] = "QOR_FRONTEND_SESSIO";
const char kOtherClass[] = "QOR_SCHEDULE_TEST_OTHER";

TEST(Notification, ReachesTheSessionWindowsOfEveryProcessAndNoOther)
{
    ChildProcess otherSession(ProbeSession(kFrontEndSessionClass));
    ChildProcess otherLonger(ProbeSession(kLongerClass));
    ASSERT_TRUE(otherSession.Started() && otherLonger.Started());
    ASSERT_TRUE(WaitFor([] { return ProbeWindowOpen(kFrontEndSessionClass) && ProbeWindowOpen(kLongerClass); }));

    AppearanceWindow first(kFrontEndSessionClass);
    AppearanceWindow second(kFrontEndSessionClass);
    AppearanceWindow longer(kLongerClass);
    AppearanceWindow shorter(kShorterClass);
    AppearanceWindow other(kOtherClass);

    // The callback always lets the enumeration go on.
    EXPECT_TRUE(NotifySessionWindow(shorter.Handle(), 77));
    ::EnumWindows(&NotifySessionWindow, 77);
    NotifySessionWindows();
    DispatchFor(100);

    const std::vector<std::string> expected = {"1 77", "1 0"};
    EXPECT_EQ(first.received, expected);
    EXPECT_EQ(second.received, expected);
    EXPECT_TRUE(longer.received.empty());
    EXPECT_TRUE(shorter.received.empty());
    EXPECT_TRUE(other.received.empty());
    EXPECT_EQ(OutputLines(CloseProbe(otherSession, kFrontEndSessionClass)), AsProbePrints(expected));
    EXPECT_EQ(CloseProbe(otherLonger, kLongerClass), "");
}

TEST(Notification, BroadcastsReachEveryTopLevelWindowWithTheirCodes)
{
    ChildProcess otherProcess(ProbeSession(kOtherClass));
    ASSERT_TRUE(otherProcess.Started());
    ASSERT_TRUE(WaitFor([] { return ProbeWindowOpen(kOtherClass); }));
    AppearanceWindow here(kOtherClass);
    AppearanceWindow session(kFrontEndSessionClass);

    BroadcastSound(true);
    BroadcastSound(false);
    BroadcastColorsFromProcess();
    BroadcastSystemColors();
    BroadcastScheduleFromProcess();
    DispatchFor(100);

    const std::string process = std::to_string(::GetCurrentProcessId());
    const std::vector<std::string> expected = {"2 1", "2 0", "1 " + process, "1 0", "5 " + process};
    EXPECT_EQ(here.received, expected);
    EXPECT_EQ(session.received, expected);
    EXPECT_EQ(OutputLines(CloseProbe(otherProcess, kOtherClass)), AsProbePrints(expected));
}

TEST(Notification, TheActiveWindowHandlesTheColoursBeforeTheSendReturns)
{
    AppearanceWindow active(kOtherClass);
    AppearanceWindow inactive(kOtherClass);
    ::ShowWindow(active.Handle(), SW_SHOW);
    ::SetActiveWindow(active.Handle());
    ASSERT_EQ(::GetActiveWindow(), active.Handle());

    SendColorsToActiveWindow();
    // Nothing dispatched in between: the message was sent, not posted.
    EXPECT_EQ(active.received, std::vector<std::string>{"1 0"});
    EXPECT_TRUE(inactive.received.empty());

    // Without an active window there is no one to tell, and no harm.
    ::ShowWindow(active.Handle(), SW_HIDE);
    ::SetActiveWindow(nullptr);
    ASSERT_EQ(::GetActiveWindow(), nullptr);
    SendColorsToActiveWindow();
    DispatchFor(50);
    EXPECT_EQ(active.received.size(), 1u);
    EXPECT_TRUE(inactive.received.empty());
}

} // namespace

// The appearance message as the front end receives it: the schedule's
// notification reaches the session windows of this and of another process and
// no window of another class; the other senders reach every top-level window
// with their codes and parameters, and the send to the active window is
// handled before it returns.
#include "model/Notification.h"

#include "tests/schedule/AppearanceWindow.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace qortest;
using namespace scheduletest;

namespace {

const char kLongerClass[] = "QOR_FRONTEND_SESSIONS";
const char kShorterClass[] = "QOR_FRONTEND_SESSIO";

// Another process with a top-level window of that class, titled "probe",
// that prints each appearance message it receives; it lives until closed.
struct Probe {
    explicit Probe(const char* name)
        : className(name),
          process(ProgramBeside("qorprobe.exe") + " session " + className + " 10000") {}
    bool Open() const { return ::FindWindowA(className, "probe") != nullptr; }
    // What it printed, having handled what was posted before the close.
    std::string Close()
    {
        ::PostMessageA(::FindWindowA(className, "probe"), WM_CLOSE, 0, 0);
        std::string output = process.Finish();
        output.erase(std::remove(output.begin(), output.end(), '\r'), output.end());
        return output;
    }
    const char* className;
    ChildProcess process;
};

std::string AsPrinted(const std::vector<std::string>& received)
{
    std::string text;
    for (const std::string& line : received)
        text += "appearance " + line + "\n";
    return text;
}

TEST(Notification, TheScheduleTellsOnlySessionWindowsBroadcastsTellEveryWindow)
{
    Probe otherSession(kFrontEndSessionClass);
    Probe otherLonger(kLongerClass);
    ASSERT_TRUE(WaitFor([&] { return otherSession.Open() && otherLonger.Open(); }));
    AppearanceWindow first(kFrontEndSessionClass);
    AppearanceWindow second(kFrontEndSessionClass);
    AppearanceWindow longer(kLongerClass);
    AppearanceWindow shorter(kShorterClass);

    NotifySessionWindows();
    BroadcastSound(true);
    BroadcastSound(false);
    BroadcastColorsFromProcess();
    BroadcastSystemColors();
    BroadcastScheduleFromProcess();
    DispatchFor(100);

    const std::string process = std::to_string(::GetCurrentProcessId());
    const std::vector<std::string> broadcasts = {"2 1", "2 0", "1 " + process, "1 0", "5 " + process};
    std::vector<std::string> session = {"1 0"};
    session.insert(session.end(), broadcasts.begin(), broadcasts.end());
    EXPECT_EQ(first.received, session);
    EXPECT_EQ(second.received, session);
    EXPECT_EQ(otherSession.Close(), AsPrinted(session));
    EXPECT_EQ(longer.received, broadcasts);
    EXPECT_EQ(shorter.received, broadcasts);
    EXPECT_EQ(otherLonger.Close(), AsPrinted(broadcasts));
}

TEST(Notification, TheActiveWindowHandlesTheColoursBeforeTheSendReturns)
{
    AppearanceWindow active(kLongerClass);
    AppearanceWindow inactive(kLongerClass);
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
    SendColorsToActiveWindow();
    DispatchFor(50);
    EXPECT_EQ(active.received.size() + inactive.received.size(), 1u);
}

} // namespace

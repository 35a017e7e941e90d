// Receivers of the appearance message for the schedule tests: top-level
// windows of a chosen class in this process, and the waiting and message
// pumping around them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace scheduletest {

// A hidden top-level window of the given class that records each appearance
// message it handles as "code parameter".
class AppearanceWindow {
public:
    explicit AppearanceWindow(const char* className);
    ~AppearanceWindow();
    AppearanceWindow(const AppearanceWindow&) = delete;
    AppearanceWindow& operator=(const AppearanceWindow&) = delete;

    HWND Handle() const { return m_hwnd; }

    std::vector<std::string> received;
    // Runs as each appearance message is handled.
    std::function<void()> onAppearance;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
};

// Handles what reaches this thread's windows for that long.
void DispatchFor(DWORD milliseconds);
// Polls until the condition holds; false after the timeout.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
// The lines of a program's output, without line ends.
std::vector<std::string> OutputLines(const std::string& output);

} // namespace scheduletest

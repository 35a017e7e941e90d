// The schedule's tests under Wine: the scheduled setting in the registry,
// windows that receive the appearance message, and the message pumping that
// lets them handle what was posted.
#pragma once

#include "model/Theme.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace scheduletest {

// Stores Lark's colour setting Evening as the scheduled one.
void StoreScheduledSetting(const ColorList& mainColors, const ColorList& shiftColors,
                           const std::string& timeSettings, DWORD scheduled);

// A hidden top-level window of the given class that records each appearance
// message it handles as "code parameter".
class AppearanceWindow {
public:
    explicit AppearanceWindow(const char* className);
    ~AppearanceWindow() { ::DestroyWindow(m_hwnd); }
    AppearanceWindow(const AppearanceWindow&) = delete;
    AppearanceWindow& operator=(const AppearanceWindow&) = delete;

    HWND Handle() const { return m_hwnd; }

    std::vector<std::string> received;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
};

// Handles what reaches this thread's windows for that long.
void DispatchFor(DWORD milliseconds);
// Dispatches until the condition holds; false after the timeout.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

} // namespace scheduletest

// Answers the modal windows the code under test opens, as a user would, from a thread of its own. Steps
// run in order; a step whose window does not come in time fails the test and closes what is open.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace qortest {

class ModalAnswerer {
public:
    using Match = std::function<bool(HWND)>;
    using Act = std::function<void(HWND)>;

    ModalAnswerer();   // watches the windows of the calling thread
    ~ModalAnswerer();  // fails the test for steps that never ran

    // Adds a step: wait for a new visible top-level window that match accepts,
    // then run act with it on the answerer's thread.
    void Then(Match match, Act act);
    // Waits until every step has run (or failed); true when all ran.
    bool Wait(DWORD timeoutMs = 10000);

private:
    void Run();

    DWORD m_threadId;
    std::mutex m_mutex;
    std::deque<std::pair<Match, Act>> m_steps;
    std::set<HWND> m_seen;  // only the answerer's thread uses it after construction
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_failed{false};
    std::thread m_thread;
};

// What a user sees and does, safe to call from the answerer's thread.
std::string TextOf(HWND hwnd);
inline std::string DialogItemText(HWND dialog, int id) { return TextOf(::GetDlgItem(dialog, id)); }
// Clicks a button of a dialog (posted: the click may open another modal).
inline void PressButton(HWND dialog, int id)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}
// The window with the keyboard focus in window's thread.
HWND FocusOf(HWND window);
// A key pressed and released where window's thread has the focus (posted, as the keyboard's are).
void PressKey(HWND window, UINT key);
// A child window's rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND child)
{
    RECT rect = {};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
// Polls a condition while other threads work; true when it came true within 5 seconds.
inline bool WaitUntil(const std::function<bool()>& condition)
{
    for (int tries = 0; tries < 1000 && !condition(); ++tries)
        ::Sleep(5);
    return condition();
}
// Presses a property sheet's OK, Cancel or Apply (PSBTN_*).
inline void PressSheetButton(HWND sheet, int button) { ::PostMessageA(sheet, PSM_PRESSBUTTON, button, 0); }
// The titles of a property sheet's tabs, in order.
std::vector<std::string> SheetTabTexts(HWND sheet);

// Matches for common windows.
inline ModalAnswerer::Match WindowWithCaption(const std::string& caption)
{
    return [caption](HWND hwnd) { return TextOf(hwnd) == caption; };
}
ModalAnswerer::Match MessageBoxWithText(const std::string& text);

} // namespace qortest

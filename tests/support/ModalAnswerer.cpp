#include "tests/support/ModalAnswerer.h"

#include <gtest/gtest.h>

namespace qortest {

namespace {

const DWORD kStepTimeoutMs = 10000;
const DWORD kPollMs = 10;
const UINT kSendTimeoutMs = 5000;

std::vector<HWND> ThreadWindows(DWORD threadId)
{
    std::vector<HWND> windows;
    const WNDENUMPROC add = [](HWND hwnd, LPARAM list) {
        return reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd), TRUE;
    };
    ::EnumThreadWindows(threadId, add, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string ClassOf(HWND hwnd)
{
    char name[256] = {};
    ::GetClassNameA(hwnd, name, sizeof(name));
    return name;
}

} // namespace

ModalAnswerer::ModalAnswerer()
    : m_threadId(::GetCurrentThreadId())
{
    // Windows that exist already are not answers to any step.
    const std::vector<HWND> existing = ThreadWindows(m_threadId);
    m_seen.insert(existing.begin(), existing.end());
    m_thread = std::thread([this] { Run(); });
}

ModalAnswerer::~ModalAnswerer()
{
    m_stop = true;
    m_thread.join();
    if (!m_steps.empty())
        ADD_FAILURE() << m_steps.size() << " expected window(s) never appeared";
}

void ModalAnswerer::Then(Match match, Act act)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_steps.emplace_back(std::move(match), std::move(act));
}

bool ModalAnswerer::Wait(DWORD timeoutMs)
{
    for (const DWORD start = ::GetTickCount(); ::GetTickCount() - start < timeoutMs; ::Sleep(kPollMs)) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_steps.empty())
            return !m_failed;
    }
    return false;
}

// Polls for the first step's window; a step is removed once its act ran, so
// Wait sees everything the act did. After a failure it cancels and closes
// whatever the thread under test shows, so that the test goes on.
void ModalAnswerer::Run()
{
    for (DWORD stepStart = ::GetTickCount(); !m_stop; ::Sleep(kPollMs)) {
        for (HWND hwnd : m_failed ? ThreadWindows(m_threadId) : std::vector<HWND>()) {
            if (::IsWindowVisible(hwnd)) {
                ::PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                ::PostMessageA(hwnd, WM_CLOSE, 0, 0);
            }
        }
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_steps.empty()) {
            stepStart = ::GetTickCount();
            continue;
        }
        const auto step = m_steps.front();
        lock.unlock();
        HWND found = nullptr;
        for (HWND hwnd : ThreadWindows(m_threadId))
            if (!found && !m_seen.count(hwnd) && ::IsWindowVisible(hwnd) && step.first(hwnd))
                m_seen.insert(found = hwnd);
        if (found)
            step.second(found);
        else if (::GetTickCount() - stepStart <= kStepTimeoutMs)
            continue;
        else
            ADD_FAILURE() << "an expected window did not appear; closing what is open";
        stepStart = ::GetTickCount();
        lock.lock();
        m_failed = m_failed || !found;
        found ? m_steps.pop_front() : m_steps.clear();
    }
}

ModalAnswerer::Match MessageBoxWithText(const std::string& text)
{
    return [text](HWND hwnd) {  // one of a dialog's static texts
        HWND child = ClassOf(hwnd) == "#32770" ? ::GetWindow(hwnd, GW_CHILD) : nullptr;
        for (; child; child = ::GetWindow(child, GW_HWNDNEXT))
            if (ClassOf(child) == "Static" && TextOf(child) == text)
                return true;
        return false;
    };
}

std::string TextOf(HWND hwnd)
{
    char text[1024] = {};
    ::SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                          kSendTimeoutMs, nullptr);
    return text;
}

HWND FocusOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

void PressKey(HWND window, UINT key)
{
    HWND focus = FocusOf(window);
    ::PostMessageA(focus, WM_KEYDOWN, key, 1);
    ::PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
}

std::vector<std::string> SheetTabTexts(HWND sheet)
{
    HWND tab = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    std::vector<std::string> texts(static_cast<size_t>(::SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0)));
    for (size_t i = 0; i < texts.size(); ++i) {
        char text[128] = {};
        TCITEMA item = {TCIF_TEXT, 0, 0, text, sizeof(text), 0, 0};
        ::SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        texts[i] = text;
    }
    return texts;
}

} // namespace qortest

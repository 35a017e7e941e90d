#include "tests/support/ModalAnswerer.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace qortest {

namespace {

const DWORD kStepTimeoutMs = 10000;
const DWORD kPollMs = 10;
const UINT kSendTimeoutMs = 5000;

std::vector<HWND> ThreadWindows(DWORD threadId)
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(
        threadId,
        [](HWND hwnd, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
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
    for (HWND hwnd : ThreadWindows(m_threadId))
        m_seen.insert(hwnd);
    m_thread = std::thread([this] { Run(); });
}

ModalAnswerer::~ModalAnswerer()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_steps.empty())
            ADD_FAILURE() << m_steps.size() << " expected window(s) never appeared";
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void ModalAnswerer::Then(Match match, Act act)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_steps.push_back(Step{std::move(match), std::move(act)});
    }
    m_changed.notify_all();
}

bool ModalAnswerer::Wait(DWORD timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                       [this] { return m_steps.empty(); });
    return m_steps.empty() && !m_failed;
}

HWND ModalAnswerer::FindWindowFor(const Match& match)
{
    for (HWND hwnd : ThreadWindows(m_threadId)) {
        if (m_seen.count(hwnd) || !::IsWindowVisible(hwnd))
            continue;
        if (match(hwnd)) {
            m_seen.insert(hwnd);
            return hwnd;
        }
    }
    return nullptr;
}

void ModalAnswerer::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stop) {
        if (m_steps.empty()) {
            m_changed.wait(lock);
            continue;
        }
        Step step = m_steps.front();
        lock.unlock();
        HWND hwnd = nullptr;
        for (DWORD waited = 0; !hwnd && waited < kStepTimeoutMs; waited += kPollMs) {
            hwnd = FindWindowFor(step.match);
            if (!hwnd)
                ::Sleep(kPollMs);
        }
        if (hwnd)
            step.act(hwnd);
        lock.lock();
        if (!hwnd) {
            ADD_FAILURE() << "an expected window did not appear; closing what is open";
            m_failed = true;
            m_steps.clear();
            lock.unlock();
            CloseEverything();
            lock.lock();
        } else {
            m_steps.pop_front();
        }
        m_changed.notify_all();
    }
}

void ModalAnswerer::CloseEverything()
{
    for (int round = 0; round < 20; ++round) {
        bool any = false;
        for (HWND hwnd : ThreadWindows(m_threadId)) {
            if (!::IsWindowVisible(hwnd))
                continue;
            any = true;
            ::PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            ::PostMessageA(hwnd, WM_CLOSE, 0, 0);
        }
        if (!any)
            return;
        ::Sleep(50);
    }
}

ModalAnswerer::Match WindowWithCaption(const std::string& caption)
{
    return [caption](HWND hwnd) { return TextOf(hwnd) == caption; };
}

ModalAnswerer::Match MessageBoxWithText(const std::string& text)
{
    return [text](HWND hwnd) {
        if (ClassOf(hwnd) != "#32770")
            return false;
        for (const std::string& shown : StaticTexts(hwnd)) {
            if (shown == text)
                return true;
        }
        return false;
    };
}

ModalAnswerer::Match AnyDialog()
{
    return [](HWND hwnd) { return ClassOf(hwnd) == "#32770"; };
}

std::string TextOf(HWND hwnd)
{
    char text[1024] = {};
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
    return text;
}

std::string DialogItemText(HWND dialog, int id)
{
    return TextOf(::GetDlgItem(dialog, id));
}

void PressButton(HWND dialog, int id)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void PressSheetButton(HWND sheet, int button)
{
    ::PostMessageA(sheet, PSM_PRESSBUTTON, button, 0);
}

std::vector<std::string> SheetTabTexts(HWND sheet)
{
    HWND tab = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    std::vector<std::string> texts;
    const int count = static_cast<int>(::SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        ::SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        texts.push_back(text);
    }
    return texts;
}

std::vector<std::string> StaticTexts(HWND dialog)
{
    std::vector<std::string> texts;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Static")
            texts.push_back(TextOf(child));
    }
    return texts;
}

} // namespace qortest

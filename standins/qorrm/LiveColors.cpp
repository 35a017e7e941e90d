#include "standins/qorrm/LiveColors.h"

#include <algorithm>

namespace live_colors {

namespace {

struct SharedColors {
    LONG generation;
    LONG applied;
    COLORREF colors[QORRM_COLOR_COUNT];
};

// One copy for all processes.
SharedColors g_shared __attribute__((section("RmShared"), shared)) = {};

// Holds the cross-process mutex while it lives (also when its last holder
// died without releasing it: the colours are then rewritten or read as they are).
class CSharedLock {
public:
    CSharedLock() : m_mutex(::CreateMutexA(nullptr, FALSE, "QorThemeLibraryLiveColors"))
    {
        if (m_mutex) {
            const DWORD wait = ::WaitForSingleObject(m_mutex, INFINITE);
            m_held = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
        }
    }
    ~CSharedLock()
    {
        if (m_held)
            ::ReleaseMutex(m_mutex);
        if (m_mutex)
            ::CloseHandle(m_mutex);
    }
    CSharedLock(const CSharedLock&) = delete;
    CSharedLock& operator=(const CSharedLock&) = delete;

    bool Held() const { return m_held; }

private:
    HANDLE m_mutex;
    bool m_held = false;
};

} // namespace

bool Apply(const ColorList& colors)
{
    CSharedLock lock;
    if (!lock.Held())
        return false;
    std::copy(colors.begin(), colors.end(), g_shared.colors);
    g_shared.applied = 1;
    ::InterlockedIncrement(&g_shared.generation);
    return true;
}

std::optional<ColorList> Current()
{
    CSharedLock lock;
    if (!lock.Held() || !g_shared.applied)
        return std::nullopt;
    return ToColorList(g_shared.colors);
}

LONG Generation()
{
    return ::InterlockedCompareExchange(&g_shared.generation, 0, 0);
}

void Clear()
{
    CSharedLock lock;
    g_shared.applied = 0;
    ::InterlockedIncrement(&g_shared.generation);
}

} // namespace live_colors

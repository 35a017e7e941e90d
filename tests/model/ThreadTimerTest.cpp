// The owned thread timer: its procedure runs on this thread while messages
// are dispatched, and never again once the owner is gone.
#include "framework/ThreadTimer.h"

#include <gtest/gtest.h>

namespace {

int g_calls = 0;

void CALLBACK CountCall(HWND, UINT, UINT_PTR, DWORD)
{
    ++g_calls;
}

void DispatchFor(DWORD milliseconds)
{
    const DWORD end = ::GetTickCount() + milliseconds;
    while (static_cast<LONG>(end - ::GetTickCount()) > 0) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
}

TEST(ThreadTimer, RunsUntilItsOwnerIsGone)
{
    g_calls = 0;
    UINT_PTR id = 0;
    {
        CThreadTimer timer(10, CountCall);
        id = timer.Id();
        ASSERT_NE(id, 0u);
        DispatchFor(200);
        EXPECT_GT(g_calls, 0);

        // Moving hands the timer over without stopping it.
        CThreadTimer owner(std::move(timer));
        EXPECT_EQ(timer.Id(), 0u);
        EXPECT_EQ(owner.Id(), id);
        const int before = g_calls;
        DispatchFor(200);
        EXPECT_GT(g_calls, before);
    }
    const int stopped = g_calls;
    DispatchFor(100);
    EXPECT_EQ(g_calls, stopped);
    EXPECT_FALSE(::KillTimer(nullptr, id)) << "already stopped";

    CThreadTimer replaced(10, CountCall);
    const UINT_PTR first = replaced.Id();
    replaced = CThreadTimer();
    EXPECT_EQ(replaced.Id(), 0u);
    EXPECT_FALSE(::KillTimer(nullptr, first)) << "stopped by the assignment";
}

} // namespace

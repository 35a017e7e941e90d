// An owned thread timer: a timer without a window whose procedure runs on the
// creating thread while that thread dispatches messages.
//
// The timer calls its procedure through a small piece of code of its own
// outside the image. A timer stopped on another thread (a host that frees the
// module there) cannot be killed from that thread; its code then no longer
// enters the procedure, which may be unloaded by then, but kills the timer on
// the owner thread at its next tick and releases itself.
#pragma once

#include <windows.h>

class CThreadTimer {
public:
    CThreadTimer() = default;
    // Starts the timer; Id() is 0 when that failed.
    CThreadTimer(UINT periodMs, TIMERPROC procedure);
    ~CThreadTimer() { Stop(); }
    CThreadTimer(CThreadTimer&& other) noexcept;
    CThreadTimer& operator=(CThreadTimer&& other) noexcept;
    CThreadTimer(const CThreadTimer&) = delete;
    CThreadTimer& operator=(const CThreadTimer&) = delete;

    void Stop();
    UINT_PTR Id() const { return m_id; }

private:
    UINT_PTR m_id = 0;
    DWORD m_ownerThread = 0;
    void* m_thunk = nullptr;  // the procedure the system calls
};

// An owned thread timer: a timer without a window whose procedure runs on the
// creating thread while that thread dispatches messages. Stop it on the same
// thread.
#pragma once

#include <windows.h>

#include <utility>

class CThreadTimer {
public:
    CThreadTimer() = default;
    // Starts the timer; Id() is 0 when that failed.
    CThreadTimer(UINT periodMs, TIMERPROC procedure)
        : m_id(::SetTimer(nullptr, 0, periodMs, procedure))
    {
    }
    ~CThreadTimer() { Stop(); }
    CThreadTimer(CThreadTimer&& other) noexcept : m_id(std::exchange(other.m_id, 0)) {}
    CThreadTimer& operator=(CThreadTimer&& other) noexcept
    {
        if (this != &other) {
            Stop();
            m_id = std::exchange(other.m_id, 0);
        }
        return *this;
    }
    CThreadTimer(const CThreadTimer&) = delete;
    CThreadTimer& operator=(const CThreadTimer&) = delete;

    void Stop()
    {
        if (m_id)
            ::KillTimer(nullptr, std::exchange(m_id, 0));
    }
    UINT_PTR Id() const { return m_id; }

private:
    UINT_PTR m_id = 0;
};

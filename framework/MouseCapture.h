// Mouse capture and cursor confinement, each undone by its owner.
#pragma once

#include <windows.h>

#include <utility>

class CMouseCapture {
public:
    CMouseCapture() = default;
    explicit CMouseCapture(HWND hwnd) : m_hwnd(hwnd) { ::SetCapture(hwnd); }
    ~CMouseCapture() { Release(); }
    CMouseCapture(CMouseCapture&& other) noexcept : m_hwnd(std::exchange(other.m_hwnd, nullptr)) {}
    CMouseCapture& operator=(CMouseCapture&& other) noexcept
    {
        if (this != &other) {
            Release();
            m_hwnd = std::exchange(other.m_hwnd, nullptr);
        }
        return *this;
    }
    CMouseCapture(const CMouseCapture&) = delete;
    CMouseCapture& operator=(const CMouseCapture&) = delete;

    // Gives the capture back if this window still holds it.
    void Release()
    {
        HWND hwnd = std::exchange(m_hwnd, nullptr);
        if (hwnd && ::GetCapture() == hwnd)
            ::ReleaseCapture();
    }

private:
    HWND m_hwnd = nullptr;
};

class CCursorClip {
public:
    CCursorClip() = default;
    explicit CCursorClip(const RECT& screenRect) : m_bActive(::ClipCursor(&screenRect) != FALSE) {}
    ~CCursorClip() { Release(); }
    CCursorClip(CCursorClip&& other) noexcept : m_bActive(std::exchange(other.m_bActive, false)) {}
    CCursorClip& operator=(CCursorClip&& other) noexcept
    {
        if (this != &other) {
            Release();
            m_bActive = std::exchange(other.m_bActive, false);
        }
        return *this;
    }
    CCursorClip(const CCursorClip&) = delete;
    CCursorClip& operator=(const CCursorClip&) = delete;

    void Release()
    {
        if (std::exchange(m_bActive, false))
            ::ClipCursor(nullptr);
    }

private:
    bool m_bActive = false;
};

// One front-end session: a top-level window of class "QOR_FRONTEND_SESSION"
// showing the business screen in the theme library's current colours. It
// repaints when QOR_MSG_APPEARANCE arrives and when the live colours change,
// and shows the last code and parameter received in its title and status
// bar. Its menu runs the module's exports. The object lives as long as its
// window and deletes itself when the window is gone.
#pragma once

#include "frontend/Actions.h"
#include "frontend/HostModule.h"

#include <windows.h>

#include <optional>
#include <vector>

class CSessionWindow {
public:
    static const char kClassName[];

    // Opens a new session window; null when it could not be created.
    static CSessionWindow* Open(const CHostModule& host);
    // Runs the actions one after the other, from the message loop.
    void RunLater(std::vector<Action> actions);

    HWND Handle() const { return m_hwnd; }

private:
    explicit CSessionWindow(const CHostModule& host);
    CSessionWindow(const CSessionWindow&) = delete;
    CSessionWindow& operator=(const CSessionWindow&) = delete;

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void OnCreate();
    void OnSize(int width, int height);
    void OnPaint();
    void OnAppearance(WPARAM code, LPARAM parameter);
    void OnPollColors();
    void Run(const Action& action);
    void ShowState();
    RECT ScreenArea() const;

    const CHostModule& m_host;
    HWND m_hwnd = nullptr;
    HWND m_statusBar = nullptr;
    int m_number;
    LONG m_generationShown = 0;
    std::optional<std::pair<WPARAM, LPARAM>> m_lastAppearance;
    std::string m_note;  // the last thing a command reported
    std::vector<Action> m_pending;
};

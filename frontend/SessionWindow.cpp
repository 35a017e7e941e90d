#include "frontend/SessionWindow.h"

#include "frontend/BusinessScreen.h"
#include "framework/GdiHandles.h"
#include "standins/qorrm/qorrm_standin.h"

#include <commctrl.h>

#include <cstdio>
#include <iterator>

const char CSessionWindow::kClassName[] = "QOR_FRONTEND_SESSION";

namespace {

constexpr UINT kRunPending = WM_APP + 1;
constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 200;
constexpr int kStatusBarId = 100;
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr int kCascade = 30;
constexpr int kFirstLeft = 340;  // leaves room at the left for the module's dialogs
constexpr int kFirstTop = 160;

enum Command : UINT {
    kCmdNewWindow = 100,
    kCmdClose,
    kCmdSheet = 200,
    kCmdReinit,
    kCmdPrintHandle,
    kCmdFirstSystem = 300,
};
const char* const kSystems[] = {"P01", "Q01", "D01"};

const UINT g_appearanceMessage = ::RegisterWindowMessageA("QOR_MSG_APPEARANCE");
int g_openWindows = 0;
int g_windowsMade = 0;

HMENU BuildMenu()
{
    HMENU session = ::CreatePopupMenu();
    ::AppendMenuA(session, MF_STRING, kCmdNewWindow, "&New Session Window");
    ::AppendMenuA(session, MF_STRING, kCmdClose, "&Close");
    HMENU systems = ::CreatePopupMenu();
    for (UINT i = 0; i < std::size(kSystems); ++i)
        ::AppendMenuA(systems, MF_STRING, kCmdFirstSystem + i, kSystems[i]);
    HMENU settings = ::CreatePopupMenu();
    ::AppendMenuA(settings, MF_STRING, kCmdSheet, "&Customize Qor GUI Settings...");
    ::AppendMenuA(settings, MF_POPUP, reinterpret_cast<UINT_PTR>(systems), "&System Color Setting");
    ::AppendMenuA(settings, MF_STRING, kCmdReinit, "&Reload Color Settings");
    ::AppendMenuA(settings, MF_STRING, kCmdPrintHandle, "Print Sheet &Handle");
    HMENU bar = ::CreateMenu();
    ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(session), "&Session");
    ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(settings), "S&ettings");
    return bar;
}

std::optional<Action> ActionFor(UINT command)
{
    switch (command) {
    case kCmdNewWindow: return Action{Action::kNewWindow, ""};
    case kCmdSheet: return Action{Action::kOpenSheet, ""};
    case kCmdReinit: return Action{Action::kReinit, ""};
    case kCmdPrintHandle: return Action{Action::kPrintSheetHandle, ""};
    default:
        if (command >= kCmdFirstSystem && command < kCmdFirstSystem + std::size(kSystems))
            return Action{Action::kOpenSystemDialog, kSystems[command - kCmdFirstSystem]};
        return std::nullopt;
    }
}

} // namespace

CSessionWindow::CSessionWindow(const CHostModule& host) : m_host(host), m_number(++g_windowsMade) {}

CSessionWindow* CSessionWindow::Open(const CHostModule& host)
{
    static const bool registered = [] {
        WNDCLASSA wc = {};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = &CSessionWindow::WindowProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
        wc.lpszClassName = kClassName;
        return ::RegisterClassA(&wc) != 0;
    }();
    if (!registered)
        return nullptr;
    auto* window = new CSessionWindow(host);
    const int offset = (window->m_number - 1) % 8 * kCascade;
    // On success the window owns the object (deleted at WM_NCDESTROY, also
    // when creation fails after WM_NCCREATE).
    HWND hwnd = ::CreateWindowExA(0, kClassName, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, kFirstLeft + offset,
                                  kFirstTop + offset, kWindowWidth, kWindowHeight, nullptr, BuildMenu(),
                                  ::GetModuleHandleA(nullptr), window);
    return hwnd ? window : nullptr;
}

void CSessionWindow::RunLater(std::vector<Action> actions)
{
    m_pending.insert(m_pending.end(), actions.begin(), actions.end());
    ::PostMessageA(m_hwnd, kRunPending, 0, 0);
}

LRESULT CALLBACK CSessionWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* window = static_cast<CSessionWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        window->m_hwnd = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<CSessionWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!window)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        delete window;
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    try {
        return window->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

LRESULT CSessionWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == g_appearanceMessage && g_appearanceMessage != 0) {
        OnAppearance(wParam, lParam);
        return 0;
    }
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the screen paints every pixel
    case WM_TIMER:
        if (wParam == kPollTimer)
            OnPollColors();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kCmdClose)
            ::DestroyWindow(m_hwnd);
        else if (auto action = ActionFor(LOWORD(wParam)))
            Run(*action);
        return 0;
    case kRunPending:
        while (!m_pending.empty()) {
            const Action next = m_pending.front();
            m_pending.erase(m_pending.begin());
            Run(next);
        }
        return 0;
    case WM_DESTROY:
        ::KillTimer(m_hwnd, kPollTimer);
        if (--g_openWindows == 0)
            ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcA(m_hwnd, message, wParam, lParam);
    }
}

void CSessionWindow::OnCreate()
{
    ++g_openWindows;
    m_statusBar = ::CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_hwnd,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)),
                                    ::GetModuleHandleA(nullptr), nullptr);
    m_generationShown = RmStandInGetLiveGeneration();
    ::SetTimer(m_hwnd, kPollTimer, kPollMs, nullptr);
    ShowState();
}

void CSessionWindow::OnSize(int, int)
{
    if (m_statusBar)
        ::SendMessageA(m_statusBar, WM_SIZE, 0, 0);
}

RECT CSessionWindow::ScreenArea() const
{
    RECT area = {};
    ::GetClientRect(m_hwnd, &area);
    RECT status = {};
    if (m_statusBar && ::GetWindowRect(m_statusBar, &status))
        area.bottom -= status.bottom - status.top;
    return area;
}

void CSessionWindow::OnPaint()
{
    CPaintDC dc(m_hwnd);
    SessionColors colors;
    RmStandInGetSessionColors(colors.data());
    PaintBusinessScreen(dc.Get(), ScreenArea(), colors);
}

void CSessionWindow::OnAppearance(WPARAM code, LPARAM parameter)
{
    m_lastAppearance = std::make_pair(code, parameter);
    ShowState();
    ::InvalidateRect(m_hwnd, nullptr, FALSE);
}

void CSessionWindow::OnPollColors()
{
    const LONG generation = RmStandInGetLiveGeneration();
    if (generation != m_generationShown) {
        m_generationShown = generation;
        ::InvalidateRect(m_hwnd, nullptr, FALSE);
    }
}

void CSessionWindow::Run(const Action& action)
{
    switch (action.kind) {
    case Action::kOpenSheet:
        m_host.OpenSheet();
        break;
    case Action::kOpenSystemDialog:
        m_host.OpenSystemDialog(action.system);
        break;
    case Action::kReinit:
        m_host.Reinit();
        m_note = "color settings reloaded";
        break;
    case Action::kPrintSheetHandle: {
        char text[64];
        std::snprintf(text, sizeof(text), "sheet window %08lx",
                      static_cast<unsigned long>(HandleToULong(m_host.SheetHandle())));
        std::printf("%s\n", text);
        std::fflush(stdout);
        m_note = text;
        break;
    }
    case Action::kNewWindow:
        Open(m_host);
        break;
    case Action::kQuit:
        ::PostQuitMessage(0);
        break;
    }
    ShowState();
}

void CSessionWindow::ShowState()
{
    std::string title = "Qor Session " + std::to_string(m_number);
    std::string status = "No appearance message yet";
    if (m_lastAppearance) {
        const std::string last = "code " + std::to_string(m_lastAppearance->first) + ", parameter "
            + std::to_string(static_cast<long long>(m_lastAppearance->second));
        title += " - appearance " + last;
        status = "Last appearance message: " + last;
    }
    if (!m_note.empty())
        status += " | " + m_note;
    ::SetWindowTextA(m_hwnd, title.c_str());
    if (m_statusBar)
        ::SetWindowTextA(m_statusBar, status.c_str());
}

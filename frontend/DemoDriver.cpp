// qordrive: works the windows of a running front end as a user would, with
// messages to the windows and their controls, for the demo's steps.
//   qordrive [--desktop NAME] command ...  on that desktop (Wine's
//                                           explorer /desktop=NAME)
//   qordrive wait <caption> [milliseconds]     until a visible window has it
//   qordrive page <caption> <index>            select a property sheet page
//   qordrive click <caption> <control id>      click a button of that window
//   qordrive dblclick <caption> <control id>   double-click a control's middle
//   qordrive close <caption>                   close the window
//   qordrive type <caption> <control id> <text>  put the text into an edit
//   qordrive move <caption> <x> <y>            move the window there
//   qordrive choose <caption> <control id> <text>
//                                              pick a combo or list box's entry
//   qordrive hue <caption> <control id> <degrees>
//                                              drag a colour control's hue there
//   qordrive menu <command id>                 choose a menu command of a
//                                              front-end session window
// Exit code 0 when done, 1 when the window or control was not found.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Search {
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND hwnd, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    char text[256] = {};
    ::GetWindowTextA(hwnd, text, sizeof(text));
    if (::IsWindowVisible(hwnd) && std::strcmp(text, search->caption) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindVisibleWindow(const char* caption)
{
    Search search = {caption, nullptr};
    ::EnumWindows(&MatchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const char* caption, DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (HWND hwnd = FindVisibleWindow(caption))
            return hwnd;
        if (::GetTickCount() - start > milliseconds)
            return nullptr;
        ::Sleep(100);
    }
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND child, LPARAM data)
{
    auto* search = reinterpret_cast<ControlSearch*>(data);
    if (::GetDlgCtrlID(child) == search->id && ::IsWindowVisible(child)) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

// A visible control anywhere below the window (property pages are children
// of the sheet).
HWND FindControl(HWND window, int id)
{
    ControlSearch search = {id, nullptr};
    ::EnumChildWindows(window, &MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int Fail(const std::string& what)
{
    std::fprintf(stderr, "qordrive: %s\n", what.c_str());
    return 1;
}

// Works on the named desktop from now on (the windows of Wine's virtual
// desktop live on it, not on the default one); waits for it to come.
bool UseDesktop(const char* name)
{
    constexpr DWORD kWaitMs = 30000;
    const DWORD start = ::GetTickCount();
    HDESK desktop = nullptr;
    while (!(desktop = ::OpenDesktopA(name, 0, FALSE, GENERIC_ALL)) && ::GetTickCount() - start < kWaitMs)
        ::Sleep(200);
    return desktop && ::SetThreadDesktop(desktop);
}

// What choosing the command from a session window's menu sends.
int ChooseSessionMenuCommand(int id)
{
    HWND session = ::FindWindowA("QOR_FRONTEND_SESSION", nullptr);
    if (!session)
        return Fail("no front-end session window");
    return ::PostMessageA(session, WM_COMMAND, MAKEWPARAM(id, 0), 0) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && std::strcmp(argv[1], "--desktop") == 0) {
        if (!UseDesktop(argv[2]))
            return Fail(std::string("no desktop ") + argv[2]);
        argc -= 2;
        argv += 2;
    }
    if (argc < 3) {
        std::fputs("usage: qordrive wait|page|click|dblclick|close|type|move|choose|hue <caption> [argument]\n"
                   "       qordrive menu <command id>\n", stderr);
        return 2;
    }
    const std::string command = argv[1];
    if (command == "menu")
        return ChooseSessionMenuCommand(std::atoi(argv[2]));
    const char* caption = argv[2];
    const int argument = argc > 3 ? std::atoi(argv[3]) : 0;
    HWND window = WaitForWindow(caption, command == "wait" && argc > 3 ? argument : 5000);
    if (!window)
        return Fail(std::string("no window \"") + caption + "\"");
    if (command == "wait")
        return 0;
    if (command == "close")
        return ::PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
    if (command == "page") {
        ::SendMessageA(window, PSM_SETCURSEL, static_cast<WPARAM>(argument), 0);
        return 0;
    }
    if (command == "move" && argc > 4)
        return ::SetWindowPos(window, nullptr, argument, std::atoi(argv[4]), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
    HWND control = argc > 3 ? FindControl(window, argument) : nullptr;
    if (!control)
        return Fail("no control " + std::to_string(argument));
    if (command == "click")
        return ::PostMessageA(control, BM_CLICK, 0, 0) ? 0 : 1;
    if (command == "type" && argc > 4)
        return ::SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4])) ? 0 : 1;
    if (command == "choose" && argc > 4) {
        // What a combo box or list box tells its parent when the user picks an entry.
        char className[32] = {};
        ::GetClassNameA(control, className, sizeof(className));
        const bool listBox = ::lstrcmpiA(className, "ListBox") == 0;
        if (::SendMessageA(control, listBox ? LB_SELECTSTRING : CB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(argv[4])) < 0)
            return Fail(std::string("no entry ") + argv[4]);
        ::SendMessageA(::GetParent(control), WM_COMMAND, MAKEWPARAM(argument, listBox ? LBN_SELCHANGE : CBN_SELENDOK),
                       reinterpret_cast<LPARAM>(control));
        return 0;
    }
    if (command == "hue" && argc > 4) {
        const LPARAM scrollBar = reinterpret_cast<LPARAM>(::FindWindowExA(control, nullptr, "ScrollBar", nullptr));
        ::SendMessageA(control, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, std::atoi(argv[4])), scrollBar);
        ::SendMessageA(control, WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), scrollBar);
        return 0;
    }
    if (command == "dblclick") {
        RECT client = {};
        ::GetClientRect(control, &client);
        const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
        ::PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
        ::PostMessageA(control, WM_LBUTTONUP, 0, middle);
        ::PostMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, middle);
        ::PostMessageA(control, WM_LBUTTONUP, 0, middle);
        return 0;
    }
    return Fail("unknown command " + command);
}

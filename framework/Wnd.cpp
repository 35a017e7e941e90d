#include "framework/Wnd.h"

#include "framework/ModuleState.h"

#include <vector>

namespace {

// The window property that holds the bound object.
const char kObjectProperty[] = "QorWndObject";
const char kDefaultClass[] = "QorWnd";

// Whether this image registered the default class: it is unregistered when
// the image unloads, since its window procedure goes with the image.
struct CDefaultClassRegistration {
    ~CDefaultClassRegistration()
    {
        if (m_bRegistered)
            ::UnregisterClassA(kDefaultClass, AfxGetInstanceHandle());
    }
    bool m_bRegistered = false;
};

CDefaultClassRegistration g_defaultClass;

POINT PointFrom(LPARAM lParam)
{
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

} // namespace

CWnd::~CWnd()
{
    // A window still bound to this object must not outlive it.
    if (m_pfnSuper && m_hWnd)
        ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    return hwnd ? static_cast<CWnd*>(::GetPropA(hwnd, kObjectProperty)) : nullptr;
}

const char* CWnd::DefaultClassName()
{
    if (!g_defaultClass.m_bRegistered) {
        WNDCLASSA wc = {};
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = &CWnd::WndProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
        wc.lpszClassName = kDefaultClass;
        g_defaultClass.m_bRegistered =
            ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }
    return g_defaultClass.m_bRegistered ? kDefaultClass : nullptr;
}

HWND CWnd::GetSafeOwner(const CWnd* parent)
{
    if (parent && parent->m_hWnd)
        return parent->m_hWnd;
    HWND active = ::GetActiveWindow();
    return active ? ::GetAncestor(active, GA_ROOT) : nullptr;
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                  HWND parent, UINT id, DWORD exStyle)
{
    if (!className)
        return FALSE;
    const bool ours = lstrcmpA(className, kDefaultClass) == 0;
    HWND hwnd = ::CreateWindowExA(exStyle, className, windowName ? windowName : "", style,
                                  rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                  AfxGetInstanceHandle(), ours ? this : nullptr);
    if (!hwnd)
        return FALSE;
    if (!ours)
        m_hWnd = hwnd;
    return TRUE;
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, DWORD exStyle)
{
    return Create(className, windowName, style, rect, parent ? parent->m_hWnd : nullptr, id,
                  exStyle);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    HWND hwnd = m_hWnd;
    if (!m_pfnSuper)
        m_hWnd = nullptr;
    return ::DestroyWindow(hwnd);
}

RECT CWnd::GetClientRect() const
{
    RECT rc = {};
    ::GetClientRect(m_hWnd, &rc);
    return rc;
}

RECT CWnd::GetWindowRect() const
{
    RECT rc = {};
    ::GetWindowRect(m_hWnd, &rc);
    return rc;
}

void CWnd::Place(const RECT& rect) const
{
    ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left,
                   rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void CWnd::RedrawNow() const
{
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);
}

std::string CWnd::GetWindowText() const
{
    const int length = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    ::GetWindowTextA(m_hWnd, buffer.data(), length + 1);
    return buffer.data();
}

std::string CWnd::GetEntryText(UINT lengthMessage, UINT textMessage, int index) const
{
    const auto length = static_cast<int>(SendMessage(lengthMessage, static_cast<WPARAM>(index)));
    if (length < 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    SendMessage(textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

void CWnd::SetFont(HFONT font, BOOL redraw) const
{
    ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

HFONT CWnd::GetFont() const
{
    return reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SubclassWindow(HWND hwnd)
{
    const auto previous = reinterpret_cast<WNDPROC>(
        ::GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    Bind(hwnd, previous);
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WndProc));
}

void CWnd::Bind(HWND hwnd, WNDPROC super)
{
    m_hWnd = hwnd;
    m_pfnSuper = super;
    ::SetPropA(hwnd, kObjectProperty, this);
}

void CWnd::Unbind()
{
    if (m_pfnSuper != &::DefWindowProcA)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    ::RemovePropA(m_hWnd, kObjectProperty);
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
}

LRESULT CALLBACK CWnd::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandle(hwnd);
    if (!wnd && message == WM_NCCREATE) {
        wnd = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (wnd)
            wnd->Bind(hwnd, &::DefWindowProcA);
    }
    if (!wnd)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    return wnd->Dispatch(message, wParam, lParam);
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    const Message saved = m_current;
    m_current = Message{message, wParam, lParam};
    LRESULT result = 0;
    try {
        result = WindowProc(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind into the system's code: a failed creation fails,
        // anything else is answered as unhandled.
        result = message == WM_CREATE ? -1 : Default();
    }
    m_current = saved;
    if (message == WM_NCDESTROY && m_pfnSuper) {
        Unbind();
        PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::Default()
{
    return ::CallWindowProcA(m_pfnSuper ? m_pfnSuper : &::DefWindowProcA, m_hWnd,
                             m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), PointFrom(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(static_cast<UINT>(wParam), PointFrom(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(static_cast<UINT>(wParam), PointFrom(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), PointFrom(lParam));
        return 0;
    case WM_SETCURSOR:
        return OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CANCELMODE:
        OnCancelMode();
        return 0;
    case WM_SETFOCUS:
        OnSetFocus(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_GETDLGCODE:
        return OnGetDlgCode(reinterpret_cast<const MSG*>(lParam));
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))
                   ? 0
                   : Default();
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(OnQueryDragIcon());
    default:
        return OnMessage(message, wParam, lParam);
    }
}

int CWnd::OnCreate(CREATESTRUCTA*)
{
    return static_cast<int>(Default());
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::OnHScroll(UINT, UINT, HWND)
{
    Default();
}

void CWnd::OnLButtonDown(UINT, POINT)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, POINT)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, POINT)
{
    Default();
}

void CWnd::OnMouseMove(UINT, POINT)
{
    Default();
}

BOOL CWnd::OnSetCursor(HWND, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnCaptureChanged(HWND)
{
    Default();
}

void CWnd::OnCancelMode()
{
    Default();
}

void CWnd::OnSetFocus(HWND)
{
    Default();
}

void CWnd::OnKillFocus(HWND)
{
    Default();
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}

UINT CWnd::OnGetDlgCode(const MSG*)
{
    return static_cast<UINT>(Default());
}

BOOL CWnd::OnCommand(UINT, UINT, HWND)
{
    return FALSE;
}

LRESULT CWnd::OnNotify(NMHDR*)
{
    return Default();
}

HCURSOR CWnd::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(Default());
}

LRESULT CWnd::OnMessage(UINT, WPARAM, LPARAM)
{
    return Default();
}

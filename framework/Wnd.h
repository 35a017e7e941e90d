// A window object bound to one window. Windows of the framework's default
// class and subclassed dialogs dispatch their messages to the virtual handlers
// below; a handler that wants the default processing calls Default(). Controls
// of the system's classes are wrapped without binding.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object bound to a window of ours; null for any other window.
    static CWnd* FromHandle(HWND hwnd);
    // The framework's default window class: delivers double-clicks, has no
    // background brush. Registered for this image on first use.
    static const char* DefaultClassName();

    // The owner of a modal window: the parent, or else the top-level window
    // that is active on this thread.
    static HWND GetSafeOwner(const CWnd* parent);

    BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                HWND parent, UINT id, DWORD exStyle = 0);
    BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                CWnd* parent, UINT id, DWORD exStyle = 0);
    // Wraps a window that someone else created (a template's control).
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    BOOL DestroyWindow();

    HWND GetParent() const { return ::GetParent(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void SetDlgItemText(int id, const std::string& text) const
    {
        ::SetDlgItemTextA(m_hWnd, id, text.c_str());
    }
    // Checks the button checked and unchecks the others of first to last.
    void CheckRadioButton(int first, int last, int checked) const
    {
        ::CheckRadioButton(m_hWnd, first, last, checked);
    }
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
    void SetFocus() const { ::SetFocus(m_hWnd); }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    // Moves and sizes without activating, without z-order change and redraw.
    void Place(const RECT& rect) const;
    void RedrawNow() const;  // invalidate with erase, and update at once
    void Invalidate(BOOL erase = TRUE) const { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void ShowWindow(int command) const { ::ShowWindow(m_hWnd, command); }
    void EnableWindow(BOOL enable) const { ::EnableWindow(m_hWnd, enable); }
    void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    std::string GetWindowText() const;
    void SetFont(HFONT font, BOOL redraw = TRUE) const;
    HFONT GetFont() const;
    // The font the parent answers WM_GETFONT with: the one custom controls draw in.
    HFONT GetParentFont() const
    {
        return reinterpret_cast<HFONT>(::SendMessageA(GetParent(), WM_GETFONT, 0, 0));
    }
    // The windows Tab visits in this one, in order: the window itself, or
    // the parts of a composite control.
    virtual std::vector<HWND> GetTabStops() const { return {m_hWnd}; }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

protected:
    // Dispatches to the typed handlers; derived classes may extend it.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();

    virtual int OnCreate(CREATESTRUCTA* cs);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnPaint();
    virtual void OnHScroll(UINT code, UINT pos, HWND scrollBar);
    virtual void OnLButtonDown(UINT flags, POINT point);
    virtual void OnLButtonUp(UINT flags, POINT point);
    virtual void OnLButtonDblClk(UINT flags, POINT point);
    virtual void OnMouseMove(UINT flags, POINT point);
    virtual BOOL OnSetCursor(HWND hwnd, UINT hitTest, UINT message);
    virtual void OnCaptureChanged(HWND newCapture);
    virtual void OnCancelMode();
    virtual void OnSetFocus(HWND previous);
    virtual void OnKillFocus(HWND next);
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    // The keys the dialog manager leaves to the control (DLGC_*); message is
    // the key message in question, or null.
    virtual UINT OnGetDlgCode(const MSG* message);
    // Return TRUE when the command was handled.
    virtual BOOL OnCommand(UINT id, UINT code, HWND control);
    virtual LRESULT OnNotify(NMHDR* header);
    virtual HCURSOR OnQueryDragIcon();
    // Any other message.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // After the window is gone and unbound.
    virtual void PostNcDestroy() {}

    // Binds to a window created by someone else (a dialog, a property sheet):
    // its procedure becomes ours, and Default() hands on to the one it had.
    void SubclassWindow(HWND hwnd);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    // For list-like controls, whose answers are indexes and counts: a message
    // with an index, a text as its argument, and an entry's text
    // (lengthMessage answers its length, negative for no such entry;
    // textMessage copies it).
    int Send(UINT message, WPARAM index, LPARAM lParam) const
    {
        return static_cast<int>(SendMessage(message, index, lParam));
    }
    static LPARAM Text(const std::string& text) { return reinterpret_cast<LPARAM>(text.c_str()); }
    std::string GetEntryText(UINT lengthMessage, UINT textMessage, int index) const;

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Bind(HWND hwnd, WNDPROC super);
    void Unbind();

    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    Message m_current = {};
    WNDPROC m_pfnSuper = nullptr;  // non-null while bound
};

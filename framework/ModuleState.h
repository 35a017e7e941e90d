// The module's own state: the image that holds its resources, its
// application object and the activation context that selects common controls
// version 6 from its manifest. Every export enters it with a guard.
#pragma once

#include <windows.h>

class CWinApp;

class CModuleState {
public:
    CModuleState() = default;
    ~CModuleState();
    CModuleState(const CModuleState&) = delete;
    CModuleState& operator=(const CModuleState&) = delete;

    HINSTANCE m_hResource = nullptr;  // where templates, icons and bitmaps are found
    CWinApp* m_pApp = nullptr;

    // Created on first use from the image's manifest resource; null when the
    // image has none or the loader refuses it.
    HANDLE GetActivationContext();

private:
    HANDLE m_hActCtx = INVALID_HANDLE_VALUE;
    bool m_bActCtxTried = false;
};

// The image (DLL or program) this code is linked into.
HINSTANCE AfxGetInstanceHandle();
// This image's state, and the state the calling thread runs under now.
CModuleState* AfxGetStaticModuleState();
CModuleState* AfxGetModuleState();
HINSTANCE AfxGetResourceHandle();
CWinApp* AfxGetApp();

// Switches the calling thread to a module's state and activation context for
// the guard's lifetime, and back to the caller's when it ends, also by
// exception.
class CModuleStateGuard {
public:
    explicit CModuleStateGuard(CModuleState* state);
    ~CModuleStateGuard();
    CModuleStateGuard(const CModuleStateGuard&) = delete;
    CModuleStateGuard& operator=(const CModuleStateGuard&) = delete;

private:
    CModuleState* m_pPrevious;
    ULONG_PTR m_cookie = 0;
    bool m_bActivated = false;
};

#define AFX_STATE_GUARD_NAME_(line) afxModuleStateGuard##line
#define AFX_STATE_GUARD_NAME(line) AFX_STATE_GUARD_NAME_(line)
#define AFX_MANAGE_STATE(state) CModuleStateGuard AFX_STATE_GUARD_NAME(__LINE__)(state)

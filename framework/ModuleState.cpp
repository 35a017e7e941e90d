#include "framework/ModuleState.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// Resource id of a DLL's isolation manifest.
const WORD kManifestResourceId = 2;

CModuleState& StaticState()
{
    static CModuleState state;
    return state;
}

// The module runs on one thread, the host's loading thread: a plain pointer.
// A thread_local would cost every load the threads library's per-thread
// state, which an unload never releases.
CModuleState* g_pCurrent = nullptr;

} // namespace

CModuleState::~CModuleState()
{
    if (m_hActCtx != INVALID_HANDLE_VALUE)
        ReleaseActCtx(m_hActCtx);
}

HANDLE CModuleState::GetActivationContext()
{
    if (!m_bActCtxTried) {
        m_bActCtxTried = true;
        char path[MAX_PATH] = {};
        if (GetModuleFileNameA(AfxGetInstanceHandle(), path, MAX_PATH) > 0
            && FindResourceA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(kManifestResourceId),
                             MAKEINTRESOURCEA(24 /* RT_MANIFEST */))) {
            ACTCTXA context = {};
            context.cbSize = sizeof(context);
            context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
            context.lpSource = path;
            context.hModule = AfxGetInstanceHandle();
            context.lpResourceName = MAKEINTRESOURCEA(kManifestResourceId);
            m_hActCtx = CreateActCtxA(&context);
        }
    }
    return m_hActCtx == INVALID_HANDLE_VALUE ? nullptr : m_hActCtx;
}

HINSTANCE AfxGetInstanceHandle()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

CModuleState* AfxGetStaticModuleState()
{
    CModuleState& state = StaticState();
    if (!state.m_hResource)
        state.m_hResource = AfxGetInstanceHandle();
    return &state;
}

CModuleState* AfxGetModuleState()
{
    return g_pCurrent ? g_pCurrent : AfxGetStaticModuleState();
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetModuleState()->m_hResource;
}

CWinApp* AfxGetApp()
{
    return AfxGetModuleState()->m_pApp;
}

CModuleStateGuard::CModuleStateGuard(CModuleState* state)
    : m_pPrevious(g_pCurrent)
{
    g_pCurrent = state;
    if (HANDLE context = state->GetActivationContext())
        m_bActivated = ActivateActCtx(context, &m_cookie) != FALSE;
}

CModuleStateGuard::~CModuleStateGuard()
{
    if (m_bActivated)
        DeactivateActCtx(0, m_cookie);
    g_pCurrent = m_pPrevious;
}

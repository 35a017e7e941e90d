#include "framework/WinApp.h"

#include "framework/ModuleState.h"
#include "framework/Wnd.h"

namespace {

UINT WithDefaultIcon(UINT type)
{
    if ((type & MB_ICONMASK) != 0)
        return type;
    switch (type & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
        return type | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return type | MB_ICONQUESTION;
    default:
        return type;
    }
}

} // namespace

CWinApp::CWinApp()
{
    AfxGetStaticModuleState()->m_pApp = this;
}

CWinApp::~CWinApp()
{
    CModuleState* state = AfxGetStaticModuleState();
    if (state->m_pApp == this)
        state->m_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

std::string AfxGetAppName()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(AfxGetInstanceHandle(), path, MAX_PATH);
    std::string name = path;
    name.erase(0, name.find_last_of("\\/") + 1);
    return name.substr(0, name.rfind('.'));
}

int AfxMessageBox(const std::string& text, UINT type)
{
    return ::MessageBoxA(CWnd::GetSafeOwner(nullptr), text.c_str(), AfxGetAppName().c_str(),
                         WithDefaultIcon(type));
}

#include "framework/WinApp.h"

#include "framework/ModuleState.h"

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

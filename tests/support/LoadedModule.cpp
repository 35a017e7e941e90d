#include "tests/support/LoadedModule.h"

#include <gtest/gtest.h>

namespace qortest {

LoadedModule::LoadedModule()
    : m_module(::LoadLibraryA("qorthmcust.dll"))
{
    EXPECT_NE(m_module, nullptr) << "qorthmcust.dll did not load: " << ::GetLastError();
}

LoadedModule::~LoadedModule()
{
    Unload();
}

void LoadedModule::Unload()
{
    if (m_module)
        ::FreeLibrary(m_module);
    m_module = nullptr;
}

template <class Function>
Function LoadedModule::Export(const char* name) const
{
    FARPROC address = m_module ? ::GetProcAddress(m_module, name) : nullptr;
    EXPECT_NE(address, nullptr) << name;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

void LoadedModule::ColorSettingsDialog() const
{
    if (auto f = Export<void(WINAPI*)()>("QorThemeColorSettinsDlg"))
        f();
}

HWND LoadedModule::CustWindowHandle() const
{
    auto f = Export<HWND(WINAPI*)()>("QorThemeGetCustWindowHandle");
    return f ? f() : nullptr;
}

void LoadedModule::Reinit() const
{
    if (auto f = Export<void(WINAPI*)()>("QorThemeReinit"))
        f();
}

void LoadedModule::SystemSettingsDialog(DWORD value, const char* system) const
{
    if (auto f = Export<void(WINAPI*)(DWORD, const char*)>("QorThemeSystemSettinsDlg"))
        f(value, system);
}

} // namespace qortest

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

// Calls the export; a missing one fails the test and answers Result().
template <class Result, class... Args>
Result LoadedModule::Call(const char* name, Args... args) const
{
    FARPROC address = m_module ? ::GetProcAddress(m_module, name) : nullptr;
    EXPECT_NE(address, nullptr) << name;
    if (!address)
        return Result();
    return reinterpret_cast<Result(WINAPI*)(Args...)>(reinterpret_cast<void*>(address))(args...);
}

void LoadedModule::ColorSettingsDialog() const { Call<void>("QorThemeColorSettinsDlg"); }
HWND LoadedModule::CustWindowHandle() const { return Call<HWND>("QorThemeGetCustWindowHandle"); }
void LoadedModule::Reinit() const { Call<void>("QorThemeReinit"); }

void LoadedModule::SystemSettingsDialog(DWORD value, const char* system) const
{
    Call<void>("QorThemeSystemSettinsDlg", value, system);
}

} // namespace qortest

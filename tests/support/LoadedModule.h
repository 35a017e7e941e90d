// The real module, loaded into the test process for the length of a test.
// Its process-wide objects read the registry when it loads, so a test seeds
// the registry first.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

namespace qortest {

class LoadedModule {
public:
    LoadedModule() : m_module(::LoadLibraryA("qorthmcust.dll"))
    {
        EXPECT_NE(m_module, nullptr) << "qorthmcust.dll did not load: " << ::GetLastError();
    }
    ~LoadedModule() { Unload(); }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    HMODULE Handle() const { return m_module; }
    explicit operator bool() const { return m_module != nullptr; }

    void ColorSettingsDialog() const { Call<void>("QorThemeColorSettinsDlg"); }
    void Reinit() const { Call<void>("QorThemeReinit"); }
    void SystemSettingsDialog(DWORD value, const char* system) const
    {
        Call<void>("QorThemeSystemSettinsDlg", value, system);
    }

    // Unloads now (the destructor then does nothing).
    void Unload()
    {
        if (m_module)
            ::FreeLibrary(m_module);
        m_module = nullptr;
    }

private:
    // Calls the export; a missing one fails the test and answers Result().
    template <class Result, class... Args>
    Result Call(const char* name, Args... args) const
    {
        FARPROC address = m_module ? ::GetProcAddress(m_module, name) : nullptr;
        EXPECT_NE(address, nullptr) << name;
        using Export = Result(WINAPI*)(Args...);
        return address ? reinterpret_cast<Export>(reinterpret_cast<void*>(address))(args...) : Result();
    }

    HMODULE m_module;
};

} // namespace qortest

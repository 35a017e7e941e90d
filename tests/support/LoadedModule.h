// The real module, loaded into the test process for the length of a test.
// Its process-wide objects read the registry when it loads, so a test seeds
// the registry first.
#pragma once

#include <windows.h>

namespace qortest {

class LoadedModule {
public:
    LoadedModule();
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    HMODULE Handle() const { return m_module; }
    explicit operator bool() const { return m_module != nullptr; }

    void ColorSettingsDialog() const;
    HWND CustWindowHandle() const;
    void Reinit() const;
    void SystemSettingsDialog(DWORD value, const char* system) const;

    // Unloads now (the destructor then does nothing).
    void Unload();

private:
    template <class Result, class... Args>
    Result Call(const char* name, Args... args) const;

    HMODULE m_module;
};

} // namespace qortest

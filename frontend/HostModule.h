// The customizing module as the front end loads it: by name, once, for the
// whole life of the front end, with its four exports resolved.
#pragma once

#include <windows.h>

#include <string>

class CHostModule {
public:
    CHostModule();
    ~CHostModule();
    CHostModule(const CHostModule&) = delete;
    CHostModule& operator=(const CHostModule&) = delete;

    // False when the module or one of its exports could not be found.
    bool Loaded() const { return m_module && m_colorSettings && m_custWindow && m_reinit && m_systemSettings; }
    std::string Problem() const { return m_problem; }

    // Each runs the export; the dialogs return when the user closes them.
    void OpenSheet() const;
    void OpenSystemDialog(const std::string& system) const;
    void Reinit() const;
    HWND SheetHandle() const;

private:
    template <class Function>
    void Resolve(Function& function, const char* name);

    HMODULE m_module;
    std::string m_problem;
    void(WINAPI* m_colorSettings)() = nullptr;
    HWND(WINAPI* m_custWindow)() = nullptr;
    void(WINAPI* m_reinit)() = nullptr;
    void(WINAPI* m_systemSettings)(DWORD, const char*) = nullptr;
};

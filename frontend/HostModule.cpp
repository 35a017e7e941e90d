#include "frontend/HostModule.h"

CHostModule::CHostModule() : m_module(::LoadLibraryA("qorthmcust.dll"))
{
    if (!m_module) {
        m_problem = "qorthmcust.dll could not be loaded (error " + std::to_string(::GetLastError()) + ")";
        return;
    }
    Resolve(m_colorSettings, "QorThemeColorSettinsDlg");
    Resolve(m_custWindow, "QorThemeGetCustWindowHandle");
    Resolve(m_reinit, "QorThemeReinit");
    Resolve(m_systemSettings, "QorThemeSystemSettinsDlg");
}

CHostModule::~CHostModule()
{
    if (m_module)
        ::FreeLibrary(m_module);
}

template <class Function>
void CHostModule::Resolve(Function& function, const char* name)
{
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(m_module, name)));
    if (!function)
        m_problem = std::string("qorthmcust.dll lacks the export ") + name;
}

void CHostModule::OpenSheet() const
{
    if (Loaded())
        m_colorSettings();
}

void CHostModule::OpenSystemDialog(const std::string& system) const
{
    if (Loaded())
        m_systemSettings(0, system.c_str());
}

void CHostModule::Reinit() const
{
    if (Loaded())
        m_reinit();
}

HWND CHostModule::SheetHandle() const
{
    return Loaded() ? m_custWindow() : nullptr;
}

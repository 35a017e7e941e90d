#include "tests/schedule/ImportPatch.h"

namespace scheduletest {

namespace {

// The import address table entry of this program that holds target.
FARPROC* FindImportSlot(const char* dll, FARPROC target)
{
    auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress)
        return nullptr;
    for (auto* descriptor = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         descriptor->Name; ++descriptor) {
        if (::lstrcmpiA(reinterpret_cast<const char*>(base + descriptor->Name), dll) != 0)
            continue;
        for (auto* slot = reinterpret_cast<FARPROC*>(base + descriptor->FirstThunk); *slot; ++slot)
            if (*slot == target)
                return slot;
    }
    return nullptr;
}

} // namespace

ImportPatch::ImportPatch(const char* dll, const char* function, FARPROC replacement)
{
    HMODULE library = ::GetModuleHandleA(dll);
    m_original = library ? ::GetProcAddress(library, function) : nullptr;
    m_slot = m_original ? FindImportSlot(dll, m_original) : nullptr;
    if (m_slot)
        Write(m_slot, replacement);
}

ImportPatch::~ImportPatch()
{
    if (m_slot)
        Write(m_slot, m_original);
}

void ImportPatch::Write(FARPROC* slot, FARPROC value)
{
    DWORD protection = 0;
    ::VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection);
    *slot = value;
    ::VirtualProtect(slot, sizeof(*slot), protection, &protection);
}

} // namespace scheduletest

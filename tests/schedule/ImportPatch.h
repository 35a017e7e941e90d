// Puts a function of the test's own in place of one that this program
// imports from a DLL, for the life of the object: every call through the
// program's import table (the module's code linked into the program among
// them) reaches the replacement.
#pragma once

#include <windows.h>

namespace scheduletest {

class ImportPatch {
public:
    ImportPatch(const char* dll, const char* function, FARPROC replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    // False when the program does not import the function.
    bool Applied() const { return m_slot != nullptr; }
    // The DLL's own function, for the replacement to call on.
    FARPROC Original() const { return m_original; }

private:
    static void Write(FARPROC* slot, FARPROC value);

    FARPROC* m_slot = nullptr;
    FARPROC m_original = nullptr;
};

} // namespace scheduletest

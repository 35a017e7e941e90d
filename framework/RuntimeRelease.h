// For the entry of every DLL built here. The C++ runtime that each DLL links
// statically allocates an emergency pool for exceptions (about 73 KB) when
// the image loads and never frees it: a host that loads and frees the DLL
// again and again would keep every one. Released when FreeLibrary unloads
// the image; at process exit (reserved not null) the process takes it.
#pragma once

#include <windows.h>

namespace __gnu_cxx {
void __freeres();
}

inline void AfxReleaseRuntimeAtUnload(DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_DETACH && !reserved)
        __gnu_cxx::__freeres();
}

// The application object of a module: one per image, registered with the
// module state when it is constructed.
#pragma once

#include <windows.h>

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Run once when the module is initialised, and once before it goes.
    virtual BOOL InitInstance();
    virtual int ExitInstance();
};

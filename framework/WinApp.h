// The application object of a module: one per image, registered with the
// module state when it is constructed.
#pragma once

#include <windows.h>

#include <string>

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

// The application's title: the image's file name without its extension.
std::string AfxGetAppName();

// The application's standard message box: the application's title as
// caption, owned by the active window; an OK or OK/Cancel box without an
// icon of its own gets the exclamation mark, a Yes/No box the question mark.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);

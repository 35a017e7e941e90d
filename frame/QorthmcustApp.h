// The module's application object: loads the text module when the module is
// initialised and releases it at the end.
#pragma once

#include "framework/WinApp.h"

class CQorthmcustApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;
};

// The module's one application object.
extern CQorthmcustApp theApp;

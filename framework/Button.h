// A push button, check box or radio button.
#pragma once

#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    void SetCheck(int check) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
};

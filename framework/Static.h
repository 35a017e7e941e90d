// A static text control.
#pragma once

#include "framework/Wnd.h"

class CStatic : public CWnd {
};

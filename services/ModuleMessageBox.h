// A message box with a catalogue text, under the module's own caption.
#pragma once

#include "services/TextCatalogue.h"

#include <windows.h>

inline int ModuleMessageBox(HWND owner, unsigned text, UINT type)
{
    return ::MessageBoxA(owner, GetTextString(text).c_str(), GetTextString(TXT_THEME_CUST).c_str(), type);
}

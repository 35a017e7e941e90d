// Catalogue texts as the captions of a dialog's items.
#pragma once

#include "services/TextCatalogue.h"

#include <windows.h>

struct ItemCaption {
    int id;
    unsigned text;
};

inline void SetItemCaption(HWND dialog, int id, unsigned text)
{
    ::SetDlgItemTextA(dialog, id, GetTextString(text).c_str());
}

template <size_t N>
void SetItemCaptions(HWND dialog, const ItemCaption (&captions)[N])
{
    for (const ItemCaption& caption : captions)
        SetItemCaption(dialog, caption.id, caption.text);
}

// A dialog's (or a sheet's) "OK" and "Cancel" buttons.
inline void SetOkCancelCaptions(HWND dialog)
{
    SetItemCaption(dialog, IDOK, DLG_OK_BUTTON);
    SetItemCaption(dialog, IDCANCEL, DLG_CANCEL_BUTTON);
}

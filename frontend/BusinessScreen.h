// The picture a front-end session shows: a small sales screen (title band,
// toolbar, a few fields and an item table) drawn entirely in the 23 colours
// the theme library gives. Draws into any device context, so a memory DC
// serves as well as a window.
#pragma once

#include <windows.h>

#include <array>

using SessionColors = std::array<COLORREF, 23>;

// Which colour of the list paints what (the preview pictures use the same).
enum SessionColor : int {
    kWindowColor = 1,    // lightest: the form's background
    kAlternateRowColor = 3,
    kFieldColor = 5,     // light: fields and toolbar buttons
    kToolbarColor = 9,   // foreground anchor: toolbar and frames
    kGridColor = 11,
    kHeaderColor = 13,
    kTextColor = 17,     // dark: text and the title band
    kDesktopColor = 22,  // background anchor: around the form
};

void PaintBusinessScreen(HDC dc, const RECT& area, const SessionColors& colors);

// Where the screen puts its toolbar and title band (for tests).
RECT ToolbarRect(const RECT& area);
RECT TitleRect(const RECT& area);

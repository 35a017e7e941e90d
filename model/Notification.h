// How the module tells the front end of a change: the registered message
// QOR_MSG_APPEARANCE, its first parameter saying what changed. The module
// only sends it; it never handles it.
#pragma once

#include <windows.h>

// First parameters of the appearance message.
const WPARAM kAppearanceColors = 1;
const WPARAM kAppearanceSound = 2;
const WPARAM kAppearanceSchedule = 5;

// The class of the front end's session windows; compared byte by byte.
extern const char kFrontEndSessionClass[];

// EnumWindows callback: posts (colours, parameter) to a top-level window of
// the session class, ignores every other window, and always goes on.
BOOL CALLBACK NotifySessionWindow(HWND hwnd, LPARAM parameter);

// The schedule applied colours: (colours, 0) to every session window of
// every process on the desktop.
void NotifySessionWindows();
// The Color Settings page applied: (colours, 0) sent to the calling thread's
// active window, waiting until it has been handled.
void SendColorsToActiveWindow();
// The Color Settings page applied: (colours, this process's id) to all
// top-level windows.
void BroadcastColorsFromProcess();
// A system's colour setting was confirmed: (colours, 0) to all top-level windows.
void BroadcastSystemColors();
// The sound was switched: (sound, 0 or 1) to all top-level windows.
void BroadcastSound(bool on);
// The scheduled theme and setting were written: (schedule, this process's
// id) to all top-level windows.
void BroadcastScheduleFromProcess();

#pragma once
// Pointer and keys as a user gives them, through the X server the Wine desktop is on (xdotool): a
// click made that way reaches another program's window, the task bar's icons included, exactly as
// a user's does. Every pointer move goes in two steps and waits until the pointer rests, since a
// button holding the capture takes the first move after a jump, and under the virtual desktop a
// program's own earlier pointer move can come back late and put the pointer back where it was.
// The moves go through the X server too (unlike the harness's RestPointerAt, which moves with
// SendInput): xdotool clicks where the X server's pointer is.
#include <windows.h>

namespace suite::input {

// True when the pointer came to rest on `at` (screen coordinates).
bool RestPointerAt(POINT at);
// Rests the pointer on `at`, then clicks (button 1 left, 3 right) once or twice.
bool ClickAt(POINT at, int button = 1);
bool DoubleClickAt(POINT at);
// Keys as xdotool names them, e.g. "Up", "Up Up", "Return".
bool Keys(const char* keys);

}  // namespace suite::input

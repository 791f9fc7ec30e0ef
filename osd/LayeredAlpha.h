#pragma once
// Translucency for a window on systems that may lack it: SetLayeredWindowAttributes is looked up
// at run time, and without it the window stays an ordinary, opaque one.
#include <windows.h>

using LayeredAttributesProc = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// SetLayeredWindowAttributes of USER32.DLL, or null where the system has none.
LayeredAttributesProc FindLayeredAttributes();

// Makes `hwnd` layered with the constant `alpha`. Without `proc`, or when the call fails, the
// window is left (or made again) not layered: a layered window without attributes is not drawn
// at all. True when the window is translucent.
bool ApplyLayeredAlpha(HWND hwnd, LayeredAttributesProc proc, BYTE alpha);

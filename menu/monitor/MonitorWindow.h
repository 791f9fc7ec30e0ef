#pragma once
// How the display-output dialog is found and told things by its buttons: its title, and the
// message they post to it.
#include <windows.h>

// The dialog's window title: its image buttons find it by this name alone.
constexpr char kMonitorTitle[] = "Monitor Switch";

// An image button saw the pointer enter it: screen x in wParam, screen y in lParam.
constexpr UINT UWM_MONITOR_HOVER = 5051;

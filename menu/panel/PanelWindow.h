#pragma once
// How the panel's window is found and told things by the other windows of the program: its
// title, and the messages they post to it.
#include <windows.h>

// The panel's window title: the name by which other programs find it.
constexpr char kPanelTitle[] = "Corvela";

constexpr UINT UWM_PANEL_HOVER = 5041;     // a button saw the pointer move: screen x, screen y
constexpr UINT UWM_PANEL_RESELECT = 5042;  // the display-output dialog made its choice
constexpr UINT UWM_PANEL_CLOSE = 5043;     // anyone: close the panel

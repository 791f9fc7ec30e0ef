#pragma once
// Window messages of Tallyset and the names by which it finds the suite's other programs (the
// tray program's are in SuiteContract.h).
#include <windows.h>

// The editor has confirmed an updated item / a new item (posted to the settings dialog, both
// parameters 0). The settings dialog posts itself a refresh of its Update and Delete buttons
// after a key in the list, which has moved the selection by then.
constexpr UINT UWM_ITEM_UPDATED = 5039;
constexpr UINT UWM_ITEM_ADDED = 5040;
constexpr UINT UWM_REFRESH_BUTTONS = 5041;

// The pop-up panel, closed when the settings start.
constexpr char kPanelWindowTitle[] = "Corvela";
// Caption of every message box of Tallyset: the program's name.
constexpr char kMessageCaption[] = "Cor Vela";

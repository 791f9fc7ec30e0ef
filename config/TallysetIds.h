#pragma once
// Window messages inside Tallyset. The names by which it finds the suite's other programs are in
// SuiteContract.h.
#include <windows.h>

#include "SuiteContract.h"

// The editor has confirmed an updated item / a new item (posted to the settings dialog, both
// parameters 0). The settings dialog posts itself a refresh of its Update and Delete buttons
// after a key in the list, which has moved the selection by then.
constexpr UINT UWM_ITEM_UPDATED = 5039;
constexpr UINT UWM_ITEM_ADDED = 5040;
constexpr UINT UWM_REFRESH_BUTTONS = 5041;

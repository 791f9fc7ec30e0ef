#pragma once
// Fixed values of the tray program that its classes share. What other programs use to reach it
// (titles, classes, mutex, exit message, file names) lives in SuiteContract.h; resource ids in
// resources/perchlet/resource.h.
#include <windows.h>

#include "SuiteContract.h"
#include "resource.h"

// The shell reports clicks on the icon with this message (wParam: icon id, lParam: the mouse
// message).
constexpr UINT UWM_TRAY_CALLBACK = WM_USER + 10;
// The icon's id in the notification area; its pop-up menu has the same resource id.
constexpr UINT kTrayIconId = IDR_TRAY_MENU;

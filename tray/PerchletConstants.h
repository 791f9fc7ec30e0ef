#pragma once
// Fixed values of the tray program that its classes share. What other programs use to reach it
// (title, exit message, file name) lives in common/suite/SuiteContract.h; resource ids in
// resources/perchlet/resource.h.
#include <windows.h>

#include "SuiteContract.h"
#include "resource.h"

// The shell reports clicks on the icon with this message (wParam: icon id, lParam: the mouse
// message).
constexpr UINT UWM_TRAY_CALLBACK = WM_USER + 10;
// The icon's id in the notification area; its pop-up menu has the same resource id.
constexpr UINT kTrayIconId = IDR_TRAY_MENU;

// The single-instance guard. The name ends with a blank, as the installed suite has always had it.
constexpr char kPerchletMutexName[] = "The Program is System Tray of Corvela ";
// The menu host, started from the tray program's own folder.
constexpr char kMenuHostFile[] = "Corvela.exe";
// The command-line number that deletes the suite's settings key.
constexpr unsigned long kDeleteSettingsNumber = 6053;

// Window classes of the hidden frame and of the window that receives the icon's messages.
constexpr char kFrameClassName[] = "Perchlet.Frame";
constexpr char kTrayClassName[] = "Perchlet.TrayNotify";

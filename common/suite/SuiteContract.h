#pragma once
// How the other programs of the suite address the tray program: its file in the shared program
// folder, the title of its windows (both of them carry it, and either one ends the program on
// WM_CLOSE or UWM_TRAY_EXIT), and the message that tells it to end.
#include <windows.h>

constexpr char kTrayProgramFile[] = "Perchlet.exe";
constexpr char kTrayWindowTitle[] = "Cor Vela";
// Posted (wParam and lParam 0) by the settings program when the user switches the icon off.
constexpr UINT UWM_TRAY_EXIT = 3935;

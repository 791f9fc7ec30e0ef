#pragma once
// How the suite's programs find each other, and the outside programs they reach: every window
// title and class, program file, mutex, command-line number and window message that crosses a
// window or a process boundary. The four programs share no memory; they are installed side by side
// in one folder, find windows by title with FindWindowA (messages are always posted, never sent)
// and tell a running program apart by a named mutex. These names are what installed programs of
// different builds agree on: change one only with all of its users (the installer's
// EndPrograms.nsh spells the titles too).
#include <windows.h>

// --- programs, in the one folder the suite is installed in ----------------------------------------

constexpr char kPanelProgramFile[] = "Corvela.exe";      // the menu panel
constexpr char kBarProgramFile[] = "Lumivox.exe";        // the brightness bar
constexpr char kTrayProgramFile[] = "Perchlet.exe";      // the tray program
constexpr char kSettingsProgramFile[] = "Tallyset.exe";  // the settings dialog

// The panel starts the bar with this argument.
constexpr char kBarArgument[] = "2";
// The tray program started with this number deletes the suite's settings key before its icon shows.
constexpr unsigned long kDeleteSettingsNumber = 6053;

// --- the panel -------------------------------------------------------------------------------------

// Title of the panel's window. A second start of the panel and the settings program close an open
// panel with WM_CLOSE.
constexpr char kPanelTitle[] = "Corvela";
constexpr UINT UWM_PANEL_HOVER = 5041;     // a panel button saw the pointer move: screen x, screen y
constexpr UINT UWM_PANEL_RESELECT = 5042;  // the display-output dialog made its choice
constexpr UINT UWM_PANEL_CLOSE = 5043;     // anyone: close the panel

// Title of the panel's display-output dialog; its tiles report the pointer to it by this name.
constexpr char kMonitorTitle[] = "Monitor Switch";
// A tile saw the pointer enter it: screen x in wParam, screen y in lParam.
constexpr UINT UWM_MONITOR_HOVER = 5051;

// --- the brightness bar ----------------------------------------------------------------------------

constexpr char kBarTitle[] = "Control";

// --- the tray program ------------------------------------------------------------------------------

// Title of both of its windows; either one ends the program on WM_CLOSE or UWM_TRAY_EXIT.
constexpr char kTrayWindowTitle[] = "Cor Vela";
constexpr char kTrayFrameClass[] = "Perchlet.Frame";        // the hidden frame
constexpr char kTrayNotifyClass[] = "Perchlet.TrayNotify";  // the window the icon reports to
// Posted (wParam and lParam 0) by the settings program when the user switches the icon off.
constexpr UINT UWM_TRAY_EXIT = 3935;
// Held for the tray program's whole run: one instance. The names end with a blank, as the
// installed suite has always had them.
constexpr char kTrayMutexName[] = "The Program is System Tray of Corvela ";

// --- the settings program --------------------------------------------------------------------------

// Held for the settings program's whole run: while it exists, the store holds pending edits that
// only that run may settle, and no panel opens.
constexpr char kSettingsMutexName[] = "The Program is Setting Dlg of Corvela ";

// Caption of the message boxes of every program of the suite.
constexpr char kMessageBoxCaption[] = "Cor Vela";

// --- outside the suite -----------------------------------------------------------------------------

// Programs the panel starts from its own folder: the maker's standby helper, for standby or
// hibernation, and its settings utility.
constexpr char kSuspendProgramFile[] = "Suspend.exe";
constexpr char kSuspendStandbyArgument[] = "1";
constexpr char kSuspendHibernateArgument[] = "2";
constexpr char kOxtaneProgramFile[] = "Oxtane.exe";
// Posted to the platform's on-screen display (its title is text 4 of the panel's string table)
// after a radio toggle; wParam names the radio.
constexpr UINT kOsdRadioMessage = 0x0F60;
constexpr WPARAM kOsdWirelessLan = 1;
constexpr WPARAM kOsdBluetooth = 2;
// The maker's magnifier: a running one is woken through its window instead of started again.
constexpr char kLoupetteWindowClass[] = "LoupetteMainWndClass";
constexpr UINT kLoupetteWakeMessage = 0x040B;
// A pointer capture tool: while one runs, the panel stays above the ordinary windows only.
constexpr char kCaptureToolClass[] = "MouseCaptureWndClass";

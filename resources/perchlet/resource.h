#pragma once
// Resource ids of Perchlet. Plain #defines only, so that both the compiler and the resource
// compiler can read this. The numbers are part of the program's interface: other programs and the
// shell reach its windows with these commands, and the icon id doubles as the menu's.

// The hidden frame's icon and menu; the icon is also the one in the notification area.
#define IDR_MAINFRAME 128
// The notification icon's id and its pop-up menu (About, Exit).
#define IDR_TRAY_MENU 129

// Commands of both menus, handled by the frame.
#define ID_APP_MAIN 32771
#define ID_APP_EXIT 32772
#define ID_APP_ABOUT 32773

// The About box and its controls.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#define IDD_ABOUTBOX 103
#define IDC_ABOUT_NOTICE 1000
#define IDC_ABOUT_OK 1002

// Strings, English and Korean.
#define IDS_NO_CORVELA 1
#define IDS_ABOUT_TITLE 2
#define IDS_ABOUT_NOTICE 3
#define IDS_ABOUT_OK 4

#pragma once
// Resource ids of Corvela (pictures: picture_ids.h). Plain #defines only, so that both the
// compiler and the resource compiler can read this.

// The panel.
#define IDD_CORVELA 102

// Its controls. The numbers are part of the panel's interface: commands and the key rules use them.
#define IDC_PANEL_UP 2000
#define IDC_PANEL_ITEM1 2001
#define IDC_PANEL_ITEM2 2002
#define IDC_PANEL_ITEM3 2003
#define IDC_PANEL_ITEM4 2004
#define IDC_PANEL_ITEM5 2005
#define IDC_PANEL_ITEM6 2006
#define IDC_PANEL_ITEM7 2007
#define IDC_PANEL_ITEM8 2008
#define IDC_PANEL_DOWN 2009
#define IDC_PANEL_CLOSE 3000

// The display-output dialog and its buttons. The numbers are part of its interface: the Enter key
// posts a tile's id as its command.
#define IDD_MONITOR 103
#define IDC_MONITOR_INTERNAL 1000
#define IDC_MONITOR_EXTERNAL 1001
#define IDC_MONITOR_BOTH 1002
#define IDC_MONITOR_CLOSE 1003

// Strings (strings.rch), English and Korean.
#define IDS_NO_TRAY_PROGRAM 1
#define IDS_ICON_MOBILE_INTERNET 18
#define IDS_ICON_WIRELESS_LAN 19
#define IDS_ICON_BLUETOOTH 20
#define IDS_ICON_BRIGHTNESS 21
#define IDS_ICON_MONITOR 22
#define IDS_ICON_SUSPEND 23
#define IDS_ICON_HIBERNATION 24
#define IDS_ICON_MAGNIFIER 25
#define IDS_ICON_TABLET_PC 26
#define IDS_ICON_CORVELA_SETTING 27
#define IDS_INDEX_NOT_WRITTEN 28

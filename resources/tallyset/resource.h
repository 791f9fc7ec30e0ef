#pragma once
// Resource ids of Tallyset. Plain #defines only, so that both the compiler and the resource
// compiler can read this.

// The settings dialog and the item editor.
#define IDD_TALLYSET 102
#define IDD_ADD_UPDATE 130

// Program icon (window, task bar, drag icon, the minimised window's picture).
#define IDI_TALLYSET 128

// Controls of the settings dialog.
#define IDC_SETTINGS_OK 1000
#define IDC_SETTINGS_CANCEL 1001
#define IDC_UPDATE_ITEM 1002
#define IDC_ADD_ITEM 1003
#define IDC_DELETE_ITEM 1004
#define IDC_MOVE_UP 1005
#define IDC_MOVE_DOWN 1006
#define IDC_TRAY_ICON 1008
#define IDC_ITEM_LIST 1011

// Controls of the item editor (OK and Cancel are IDOK and IDCANCEL).
#define IDC_SEARCH 3
#define IDC_EDITOR_HINT 1009
#define IDC_NAME_LABEL 1010
#define IDC_PATH_LABEL 1011
#define IDC_NAME_EDIT 1012
#define IDC_PATH_EDIT 1013

// Strings, English and Korean.
#define IDS_NAME_TOO_LONG 1
#define IDS_NAME_OR_PATH_EMPTY 2
#define IDS_ADMINISTRATOR_ONLY 3
#define IDS_NO_TRAY_PROGRAM 4
#define IDS_NOTHING_TO_UPDATE 5
#define IDS_NOTHING_SELECTED 6
#define IDS_ADD_TITLE 7
#define IDS_EDITOR_HINT 8
#define IDS_NAME_LABEL 9
#define IDS_PATH_LABEL 10
#define IDS_SEARCH 11
#define IDS_OK 12
#define IDS_CANCEL 13
#define IDS_UPDATE_TITLE 14
#define IDS_SETTINGS_TITLE 15
#define IDS_LANGUAGE_VALUE 16
#define IDS_ITEM_COLUMN 17
#define IDS_PATH_COLUMN 18
#define IDS_ADD 19
#define IDS_UPDATE 20
#define IDS_DELETE 21
#define IDS_MOVE_UP 22
#define IDS_MOVE_DOWN 23
#define IDS_TRAY_ICON 25
// The editor's refusals of names and paths the store could not keep.
#define IDS_NAME_HAS_BACKSLASH 26
#define IDS_NAME_TAKEN 27
#define IDS_PATH_TOO_LONG 28
#define IDS_INDEX_NOT_WRITTEN 29

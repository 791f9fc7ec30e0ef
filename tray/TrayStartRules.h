#pragma once
// The decisions of the tray program's start that need no window: whether the user has switched
// the icon off, and whether the command line asks to delete the suite's settings.
#include <windows.h>

// True only when "TrayChk" under root\keyPath is a REG_DWORD of exactly 4 bytes holding 0. A
// missing key or value, another type or size, or any other number leaves the icon on: the program
// runs unless the user plainly switched it off.
bool TraySwitchedOff(HKEY root, const char* keyPath);

// True when the arguments (the command line after the program name) are the decimal number 6053
// and nothing else; blanks around it are allowed, leading zeros too. "6053x", "16053", "6053 1"
// and a number too large for 32 bits are not.
bool AsksToDeleteSettings(const char* arguments);

#pragma once
// The texts of the panel's string table that the items, their labels and their actions use, in
// the user interface language the platform picked. Loaded once per panel; tests fill them by hand
// or load them from a module that carries the panel's table.
#include <windows.h>

#include <string>

#include "SuiteContract.h"

struct ItemTexts {
    std::string adminOnly;       // 2  "Use Only Administrator."
    std::string missingProgram;  // 3  "No Exist Execute File\nExecute after Re-Install."
    std::string osdWindowTitle;  // 4  "On Screen Display"
    std::string brightnessHelp;  // 6  "LCD Brightness Control Using Up, Down Key."
    std::string nameValue;       // 7  "0x409" / "0x412": the value holding an item's display name
    std::string wlanOff;         // 8  caption while the wireless LAN is on
    std::string wlanOn;          // 9  caption while it is off
    std::string wlanOnOff;       // 12 neutral caption
    std::string wireless;        // 14 what marks a wireless LAN label
    std::string bluetoothOff;    // 15 caption while Bluetooth is on
    std::string bluetoothOn;     // 16 caption while it is off
    std::string bluetoothOnOff;  // 17 neutral caption

    // From the string table of `module` (null: the running program).
    static ItemTexts Load(HMODULE module = nullptr);
};

// String ids of the table.
enum ItemTextId : UINT {
    kTextAdminOnly = 2,
    kTextMissingProgram = 3,
    kTextOsdWindow = 4,
    kTextBrightnessHelp = 6,
    kTextNameValue = 7,
    kTextWlanOff = 8,
    kTextWlanOn = 9,
    kTextWlanOnOff = 12,
    kTextWireless = 14,
    kTextBluetoothOff = 15,
    kTextBluetoothOn = 16,
    kTextBluetoothOnOff = 17,
};

#pragma once
// The icon an item button shows, chosen from the item's label. Some names are fixed; the others
// are texts of the string table in the interface language, so a Korean name picks its icon only
// under the Korean table.
#include <windows.h>

#include <string>

// Texts 18 to 26 of the program's string table, in the interface language.
struct ItemIconTexts {
    std::string mobileInternet;  // 18, equals
    std::string wirelessLan;     // 19, contains
    std::string bluetooth;       // 20, contains
    std::string brightness;      // 21, equals
    std::string monitor;         // 22, equals
    std::string suspend;         // 23, equals
    std::string hibernation;     // 24, equals
    std::string magnifier;       // 25, equals
    std::string tabletPc;        // 26, equals

    // The texts of `module`'s string table (null: the program).
    static ItemIconTexts Load(HMODULE module = nullptr);
};

// PNG resource id of the icon for `itemKey`: the first rule that matches, byte for byte and
// case-sensitive; the program icon 184 for anything else (the settings item and the user's own
// programs among them). A text missing from the table matches nothing.
UINT ChooseItemIcon(const char* itemKey, const ItemIconTexts& texts);

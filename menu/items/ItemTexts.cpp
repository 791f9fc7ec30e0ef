#include "ItemTexts.h"

#include "StringTable.h"

ItemTexts ItemTexts::Load(HMODULE module) {
    ItemTexts t;
    t.adminOnly = LoadText(kTextAdminOnly, module);
    t.missingProgram = LoadText(kTextMissingProgram, module);
    t.osdWindowTitle = LoadText(kTextOsdWindow, module);
    t.brightnessHelp = LoadText(kTextBrightnessHelp, module);
    t.nameValue = LoadText(kTextNameValue, module);
    t.wlanOff = LoadText(kTextWlanOff, module);
    t.wlanOn = LoadText(kTextWlanOn, module);
    t.wlanOnOff = LoadText(kTextWlanOnOff, module);
    t.wireless = LoadText(kTextWireless, module);
    t.bluetoothOff = LoadText(kTextBluetoothOff, module);
    t.bluetoothOn = LoadText(kTextBluetoothOn, module);
    t.bluetoothOnOff = LoadText(kTextBluetoothOnOff, module);
    return t;
}

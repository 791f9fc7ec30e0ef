#pragma once
// The machine's switches and system actions behind the panel's built-in items: the two radios
// through the firmware, their captions in the store, standby and hibernation, the Tablet PC
// settings and the brightness bar.
#include <windows.h>

#include <string>

#include "ItemTexts.h"
#include "MenuItemStore.h"
#include "PowerControl.h"
#include "WAcpi.h"

// Radio word of the firmware method "0_49".
constexpr ULONG kRadioWlanBit = 0x01;
constexpr ULONG kRadioBluetoothBit = 0x02;

// The word that switches the radio of `bit` over. Clearing goes through an 8-bit mask, so the
// firmware's bits 8-31 come back cleared; setting keeps them (the firmware has always been
// written this way).
ULONG ToggledRadioWord(ULONG word, ULONG bit);

class CDeviceActions {
public:
    // Everything passed in must outlive the actions. `programFolder` is where "Suspend.exe" and
    // "Lumivox.exe" live (the panel's own folder).
    CDeviceActions(CWAcpi& acpi, const ItemTexts& texts, const CMenuItemStore& store, IPowerControl& power,
                   std::string programFolder);

    // Window the message boxes are modal to.
    void SetOwner(HWND owner) { owner_ = owner; }

    // Each returns 1 when it did all it set out to do, 0 otherwise; the panel ignores the result.
    int ToggleWirelessLan();
    int ToggleBluetooth();
    // Captions of the radio items from the firmware state (an administrator's panel) ...
    int SyncRadioCaptions();
    // ... or the neutral on/off captions (anyone else's).
    int ResetRadioCaptions();
    int SuspendSystem();
    int HibernateSystem();
    int OpenTabletPcSettings();
    int ShowBrightnessOsd();

private:
    int ToggleRadio(ULONG bit, WPARAM osdRadio);
    int WriteCaption(const char* itemKey, const std::string& caption);

    CWAcpi& acpi_;
    const ItemTexts& texts_;
    const CMenuItemStore& store_;
    IPowerControl& power_;
    std::string programFolder_;
    HWND owner_ = nullptr;
};

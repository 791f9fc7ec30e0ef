#include "DeviceActions.h"

#include "AcpiRequests.h"
#include "ProgramFolder.h"
#include "ProgramLauncher.h"
#include "SuiteContract.h"
#include "Text.h"

namespace {

constexpr char kTabletPcSettingsCommand[] =
    "C:\\WINDOWS\\system32\\control.exe C:\\WINDOWS\\system32\\tabletpc.cpl";

}  // namespace

ULONG ToggledRadioWord(ULONG word, ULONG bit) {
    return (word & bit) ? (word & (0xFFu & ~bit)) : (word | bit);
}

CDeviceActions::CDeviceActions(CWAcpi& acpi, const ItemTexts& texts, const CMenuItemStore& store,
                               IPowerControl& power, std::string programFolder)
    : acpi_(acpi), texts_(texts), store_(store), power_(power), programFolder_(std::move(programFolder)) {}

int CDeviceActions::ToggleRadio(ULONG bit, WPARAM osdRadio) {
    ULONG word = 0;
    int done = 0;
    // Without the current word there is nothing to flip: writing a word made up here would switch
    // the other radio (and whatever else the firmware keeps in it) as well.
    if (AcpiGetULong(acpi_, kAcpiRadios, word))
        done = AcpiSetULong(acpi_, kAcpiRadios, ToggledRadioWord(word, bit));
    ::OutputDebugStringA(done ? (bit == kRadioWlanBit ? "Corvela: the wireless LAN was switched\n"
                                                      : "Corvela: Bluetooth was switched\n")
                              : "Corvela: the radio was not switched: the firmware word could not be read "
                                "or written\n");

    // The on-screen display hears of every press, as it always has, whatever the firmware said.
    if (!texts_.osdWindowTitle.empty()) {
        HWND osd = ::FindWindowA(nullptr, texts_.osdWindowTitle.c_str());
        if (osd) ::PostMessageA(osd, kOsdRadioMessage, osdRadio, 0);
    }
    return done;
}

int CDeviceActions::ToggleWirelessLan() { return ToggleRadio(kRadioWlanBit, kOsdWirelessLan); }

int CDeviceActions::ToggleBluetooth() { return ToggleRadio(kRadioBluetoothBit, kOsdBluetooth); }

int CDeviceActions::WriteCaption(const char* itemKey, const std::string& caption) {
    if (texts_.nameValue.empty()) return 0;
    return store_.WriteString(store_.ItemPath(itemKey), texts_.nameValue.c_str(), caption.c_str());
}

int CDeviceActions::SyncRadioCaptions() {
    ULONG word = 0;
    // Captions that follow no known state would name the wrong action; the last ones stay.
    if (!AcpiGetULong(acpi_, kAcpiRadios, word)) return 0;
    int wlan = WriteCaption(kAirvaneKey, (word & kRadioWlanBit) ? texts_.wlanOff : texts_.wlanOn);
    int bluetooth =
        WriteCaption(kBluevaneKey, (word & kRadioBluetoothBit) ? texts_.bluetoothOff : texts_.bluetoothOn);
    return wlan && bluetooth ? 1 : 0;
}

int CDeviceActions::ResetRadioCaptions() {
    int wlan = WriteCaption(kAirvaneKey, texts_.wlanOnOff);
    int bluetooth = WriteCaption(kBluevaneKey, texts_.bluetoothOnOff);
    return wlan && bluetooth ? 1 : 0;
}

int CDeviceActions::SuspendSystem() {
    if (!power_.EnableShutdownPrivilege()) return 1;
    if (power_.SetPowerState(true)) return 1;
    StartSibling(programFolder_, kSuspendProgramFile, kSuspendStandbyArgument);
    return 1;
}

int CDeviceActions::HibernateSystem() {
    // Reserved first: the file is needed whether or not this process may ask for hibernation.
    power_.ReserveHibernationFile();
    if (!power_.EnableShutdownPrivilege()) return 1;
    if (power_.SetPowerState(false)) return 1;
    StartSibling(programFolder_, kSuspendProgramFile, kSuspendHibernateArgument);
    return 1;
}

int CDeviceActions::OpenTabletPcSettings() {
    // WinExec answers above 31 when the program started.
    if (::WinExec(kTabletPcSettingsCommand, SW_SHOW) <= 31)
        ::OutputDebugStringA("Corvela: the Tablet PC settings did not start\n");
    return 1;
}

int CDeviceActions::ShowBrightnessOsd() {
    ::MessageBoxA(owner_, texts_.brightnessHelp.c_str(), kMessageBoxCaption, MB_OK);
    StartSibling(programFolder_, kBarProgramFile, kBarArgument);
    return 1;
}

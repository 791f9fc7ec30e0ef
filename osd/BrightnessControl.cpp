#include "BrightnessControl.h"

#include "AcpiRequests.h"
#include "BrightnessLevel.h"

bool CBrightnessControl::ReadWord(ULONG& word) {
    ULONG read = 0;
    if (!AcpiGetULong(acpi_, kAcpiBrightness, read)) return false;
    word = read;
    knownWord_ = read;
    wordKnown_ = true;
    return true;
}

bool CBrightnessControl::ReadLevel(int& level) {
    ULONG word = 0;
    if (!ReadWord(word)) return false;
    level = brightness::LevelFromWord(word, power_.Current());
    return true;
}

CBrightnessControl::Written CBrightnessControl::WriteLevel(int level) {
    if (acpi_.SetMonitorBrightness(brightness::MonitorBrightness(level))) return Written::Monitor;

    ULONG word = 0;
    if (!ReadWord(word)) {
        if (!wordKnown_) return Written::Nothing;
        word = knownWord_;
    }
    const ULONG updated = brightness::WordWithLevel(word, level, power_.Current());
    if (!AcpiSetULong(acpi_, kAcpiBrightness, updated)) return Written::Nothing;
    knownWord_ = updated;
    wordKnown_ = true;
    return Written::Firmware;
}

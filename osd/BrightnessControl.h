#pragma once
// The LCD brightness as the bar reads and sets it: the level of the power source in use from the
// firmware word of 0_50, and a new level through the standard monitor method, or, where that
// fails, through the firmware word.
#include <windows.h>

#include "PowerSource.h"
#include "WAcpi.h"

class CBrightnessControl {
public:
    CBrightnessControl(CWAcpi& acpi, const IPowerSource& power) : acpi_(acpi), power_(power) {}
    CBrightnessControl(const CBrightnessControl&) = delete;
    CBrightnessControl& operator=(const CBrightnessControl&) = delete;

    // The firmware's level (0..15) for the power source in use; false, with `level` untouched,
    // when the word cannot be read.
    bool ReadLevel(int& level);

    enum class Written { Monitor, Firmware, Nothing };
    // Sets the brightness to `level`: the monitor method with level + 1; if that fails, the
    // level goes into the firmware word's nibble for the power source in use. The other nibble
    // comes from the word read just before, or, when that read fails, from the last word known
    // from the firmware; with none known nothing is written (a guessed nibble would change the
    // brightness of the other power source).
    Written WriteLevel(int level);

private:
    bool ReadWord(ULONG& word);

    CWAcpi& acpi_;
    const IPowerSource& power_;
    bool wordKnown_ = false;
    ULONG knownWord_ = 0;  // the last word read from, or written to, the firmware
};

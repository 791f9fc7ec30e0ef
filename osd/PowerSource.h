#pragma once
// Which power source the machine runs on, behind one small interface: the brightness lives in a
// different part of the firmware word on mains and on battery. The program asks the system at
// every call; tests put a fixed source in its place, because a Wine prefix always reports mains.
#include <windows.h>

enum class PowerSource { Mains, Battery };

class IPowerSource {
public:
    virtual ~IPowerSource() = default;
    virtual PowerSource Current() const = 0;
};

// GetSystemPowerStatus, asked afresh at each call.
class CSystemPowerSource : public IPowerSource {
public:
    PowerSource Current() const override;
};

// The source the program uses.
const IPowerSource& SystemPowerSource();

// The source an ACLineStatus names: only 0 (offline) is battery; 1 (online) and 255 (unknown)
// count as mains, as does a status that cannot be read at all.
PowerSource PowerSourceFromAcLine(BYTE acLineStatus);

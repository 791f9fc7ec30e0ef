#pragma once
// The simulated firmware's state, kept in the registry of the Wine prefix so that every process
// (the suite's programs, FirmwareCtl, the tests) sees the same machine.
//   HKEY_LOCAL_MACHINE\Software\FirmwareSim
//     "0_49", "0_50", "0_230"  firmware words (DWORD)
//     "MonitorBrightness"      last level WmiSetBrightness received; a successful call also sets
//                              the 0_50 nibble of the power source in use to that level - 1
//     "PowerSource"            0 mains, 1 battery; missing: as GetSystemPowerStatus says
//     "Calls"                  methods executed (every call that reached a firmware method)
//     "Writes"                 firmware words written (every SetULong that reached a method)
//     "Connections"            connections to \\.\ROOT\WMI made and not yet released
//     "FailMonitor"            1: WmiSetBrightness fails
//     "FailGet"                1: every GetULong fails
//     "FailConnect"            1: connecting to \\.\ROOT\WMI fails
//     "MonitorInstance"        (REG_SZ, optional) instance name of the one monitor
#include <windows.h>

#include <string>

namespace sim {

constexpr const char kStateKey[] = "Software\\FirmwareSim";
// Always the 64-bit registry view: a 32-bit program (the i686 suite under WoW64) and a 64-bit one
// (FirmwareCtl, the tests) see one machine. A 32-bit Windows ignores the flag.
constexpr REGSAM kStateView = KEY_WOW64_64KEY;

DWORD StateGet(const char* name, DWORD fallback);
bool StateSet(const char* name, DWORD value);
bool StateSwitch(const char* name);  // the switch is set (1)
void StateCountCall();
void StateCountWrite();
// Adds `delta` to the counter `name`, never below 0.
void StateAdjust(const char* name, int delta);

// Word of a firmware method ("0_49"), with the value a fresh machine starts from.
DWORD FirmwareWord(const std::wstring& method);
bool SetFirmwareWord(const std::wstring& method, DWORD value);

std::wstring MonitorInstanceName();

// Whether the simulated machine runs on battery: the "PowerSource" value, else the system's word.
bool OnBattery();

}  // namespace sim

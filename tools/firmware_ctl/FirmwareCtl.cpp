// FirmwareCtl: shows and sets the simulated notebook firmware of this Wine prefix.
// The firmware words go through WMI like any client; the simulator's switches and counters are
// read and written in its registry key directly.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Com.h"
#include "FirmwareClient.h"
#include "Handles.h"

namespace {

const char kStateKey[] = "Software\\FirmwareSim";
const char* const kWords[] = {"0_49", "0_50", "0_230"};
const char* const kSwitches[] = {"FailMonitor", "FailGet", "FailConnect"};

void Usage() {
    std::puts(
        "usage: FirmwareCtl [show]\n"
        "       FirmwareCtl wlan on|off            radio bit 0 of 0_49\n"
        "       FirmwareCtl bt on|off              radio bit 1 of 0_49\n"
        "       FirmwareCtl brightness battery|mains 0-15   nibble of 0_50\n"
        "       FirmwareCtl power mains|battery|system      the machine's power source; a\n"
        "                                          WmiSetBrightness b sets its 0_50 nibble to b-1\n"
        "       FirmwareCtl display internal|external|both  0_230\n"
        "       FirmwareCtl get 0_49|0_50|0_230\n"
        "       FirmwareCtl set 0_49|0_50|0_230 VALUE\n"
        "       FirmwareCtl switch FailMonitor|FailGet|FailConnect on|off\n"
        "       FirmwareCtl calls 0                clear the call counter\n"
        "       FirmwareCtl writes 0               clear the write counter");
}

bool ReadState(const char* name, DWORD& value) {
    HKEY raw = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kStateKey, 0, KEY_READ | KEY_WOW64_64KEY, &raw) != ERROR_SUCCESS)
        return false;
    fw::RegKey key(raw);
    DWORD type = 0, size = sizeof(value);
    return ::RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
               ERROR_SUCCESS &&
           type == REG_DWORD;
}

bool WriteState(const char* name, DWORD value) {
    HKEY raw = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kStateKey, 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY, nullptr,
                          &raw, nullptr) != ERROR_SUCCESS)
        return false;
    fw::RegKey key(raw);
    return ::RegSetValueExA(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                            sizeof(value)) == ERROR_SUCCESS;
}

// The power source the simulator follows: its "PowerSource" value, else what the system reports.
std::string PowerSourceText() {
    DWORD source = 0;
    if (ReadState("PowerSource", source) && source <= 1) return source ? "battery" : "mains";
    SYSTEM_POWER_STATUS status = {};
    const bool battery = ::GetSystemPowerStatus(&status) && status.ACLineStatus == 0;
    return std::string(battery ? "battery" : "mains") + " (the system's)";
}

bool DeleteState(const char* name) {
    HKEY raw = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kStateKey, 0, KEY_SET_VALUE | KEY_WOW64_64KEY, &raw) !=
        ERROR_SUCCESS)
        return true;
    fw::RegKey key(raw);
    const LONG rc = ::RegDeleteValueA(key.Get(), name);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

bool ParseNumber(const char* text, ULONG& value) {
    if (!text || !*text) return false;
    char* end = nullptr;
    unsigned long long v = std::strtoull(text, &end, 0);
    if (*end || v > 0xFFFFFFFFull || text[0] == '-') return false;
    value = static_cast<ULONG>(v);
    return true;
}

const char* DisplayName(ULONG word) {
    switch (word & 0x30000) {
        case 0x10000:
            return "internal";
        case 0x20000:
            return "external";
        case 0x30000:
            return "both";
        default:
            return "none";
    }
}

bool ShowWord(FirmwareClient& client, const char* instance) {
    ULONG w = 0;
    HRESULT hr = client.GetULong(instance, w);
    if (FAILED(hr)) {
        std::printf("%-6s GetULong failed: %s\n", instance, DescribeHresult(hr).c_str());
        return false;
    }
    std::printf("%-6s 0x%08lx  ", instance, static_cast<unsigned long>(w));
    if (std::strcmp(instance, "0_49") == 0)
        std::printf("wireless LAN %s, Bluetooth %s\n", (w & 1) ? "on" : "off", (w & 2) ? "on" : "off");
    else if (std::strcmp(instance, "0_50") == 0)
        std::printf("brightness battery %lu, mains %lu\n", static_cast<unsigned long>(w & 0x0F),
                    static_cast<unsigned long>((w >> 4) & 0x0F));
    else
        std::printf("display %s\n", DisplayName(w));
    return true;
}

int Show(FirmwareClient* client, const std::string& error) {
    if (client)
        for (const char* w : kWords) ShowWord(*client, w);
    else
        std::printf("firmware words unavailable: %s\n", error.c_str());
    DWORD v = 0;
    std::printf("MonitorBrightness %s\n",
                ReadState("MonitorBrightness", v) ? std::to_string(v).c_str() : "(never set)");
    std::printf("PowerSource %s\n", PowerSourceText().c_str());
    std::printf("Calls %lu\n", ReadState("Calls", v) ? static_cast<unsigned long>(v) : 0ul);
    std::printf("Writes %lu\n", ReadState("Writes", v) ? static_cast<unsigned long>(v) : 0ul);
    for (const char* s : kSwitches) std::printf("%s %s\n", s, ReadState(s, v) && v == 1 ? "on" : "off");
    return client ? 0 : 1;
}

// Read-modify-write of one firmware word through WMI.
int Update(FirmwareClient& client, const char* instance, ULONG clear, ULONG set) {
    ULONG w = 0;
    HRESULT hr = client.GetULong(instance, w);
    if (SUCCEEDED(hr)) hr = client.SetULong(instance, (w & ~clear) | set);
    if (FAILED(hr)) {
        std::printf("%s: %s\n", instance, DescribeHresult(hr).c_str());
        return 1;
    }
    return ShowWord(client, instance) ? 0 : 1;
}

int OnOff(const char* text) {
    if (text && std::strcmp(text, "on") == 0) return 1;
    if (text && std::strcmp(text, "off") == 0) return 0;
    return -1;
}

int Run(int argc, char** argv) {
    std::string cmd = argc > 1 ? argv[1] : "show";
    const char* a = argc > 2 ? argv[2] : nullptr;
    const char* b = argc > 3 ? argv[3] : nullptr;

    if (cmd == "switch") {
        int on = OnOff(b);
        bool known = false;
        for (const char* s : kSwitches) known = known || (a && std::strcmp(a, s) == 0);
        if (!known || on < 0) return Usage(), 2;
        return WriteState(a, static_cast<DWORD>(on)) ? 0 : 1;
    }
    if (cmd == "power") {
        if (a && std::strcmp(a, "mains") == 0) return WriteState("PowerSource", 0) ? 0 : 1;
        if (a && std::strcmp(a, "battery") == 0) return WriteState("PowerSource", 1) ? 0 : 1;
        if (a && std::strcmp(a, "system") == 0) return DeleteState("PowerSource") ? 0 : 1;
        return Usage(), 2;
    }
    if (cmd == "calls" || cmd == "writes") {
        if (!a || std::strcmp(a, "0") != 0) return Usage(), 2;
        return WriteState(cmd == "calls" ? "Calls" : "Writes", 0) ? 0 : 1;
    }

    fw::ComApartment com;
    if (!com.Ok()) return std::puts("CoInitialize failed"), 1;
    ::CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                           RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    FirmwareClient client;
    std::string error;
    bool connected = client.Connect(error);
    if (connected && !client.Simulated()) {
        connected = false;
        error = "the WMI locator of this prefix is not FirmwareSim.dll (register it first)";
    }
    if (cmd == "show") return Show(connected ? &client : nullptr, error);
    if (!connected) return std::printf("%s\n", error.c_str()), 1;

    ULONG value = 0;
    if (cmd == "get" && a) return ShowWord(client, a) ? 0 : 1;
    if (cmd == "set" && a && ParseNumber(b, value)) return Update(client, a, 0xFFFFFFFFul, value);
    if (cmd == "wlan" && OnOff(a) >= 0) return Update(client, "0_49", 0x1, OnOff(a) ? 0x1 : 0);
    if (cmd == "bt" && OnOff(a) >= 0) return Update(client, "0_49", 0x2, OnOff(a) ? 0x2 : 0);
    if (cmd == "brightness" && a && ParseNumber(b, value) && value <= 15) {
        if (std::strcmp(a, "battery") == 0) return Update(client, "0_50", 0x0F, value);
        if (std::strcmp(a, "mains") == 0) return Update(client, "0_50", 0xF0, value << 4);
    }
    if (cmd == "display" && a) {
        ULONG word = std::strcmp(a, "internal") == 0   ? 0x10000
                     : std::strcmp(a, "external") == 0 ? 0x20000
                     : std::strcmp(a, "both") == 0     ? 0x30000
                                                       : 0;
        if (word) return Update(client, "0_230", 0x30000, word);
    }
    Usage();
    return 2;
}

}  // namespace

int main(int argc, char** argv) { return Run(argc, argv); }

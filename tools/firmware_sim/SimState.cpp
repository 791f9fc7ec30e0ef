#include "SimState.h"

#include <vector>

#include "Handles.h"

namespace sim {
namespace {

fw::RegKey OpenState(bool write) {
    HKEY key = nullptr;
    LONG rc = write ? ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kStateKey, 0, nullptr, 0,
                                        KEY_READ | KEY_WRITE | kStateView, nullptr, &key, nullptr)
                    : ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kStateKey, 0, KEY_READ | kStateView, &key);
    return fw::RegKey(rc == ERROR_SUCCESS ? key : nullptr);
}

std::string Narrow(const std::wstring& s) {
    std::string out;
    for (wchar_t c : s) out += (c < 0x80) ? static_cast<char>(c) : '?';
    return out;
}

// Radios on, mains level 7 and battery level 5, the internal panel.
DWORD DefaultWord(const std::wstring& method) {
    if (method == L"0_49") return 0x3;
    if (method == L"0_50") return 0x75;
    if (method == L"0_230") return 0x10000;
    return 0;
}

}  // namespace

DWORD StateGet(const char* name, DWORD fallback) {
    fw::RegKey key = OpenState(false);
    if (!key) return fallback;
    DWORD type = 0, value = 0, size = sizeof(value);
    if (::RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value))
        return fallback;
    return value;
}

bool StateSet(const char* name, DWORD value) {
    fw::RegKey key = OpenState(true);
    return key && ::RegSetValueExA(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                   sizeof(value)) == ERROR_SUCCESS;
}

bool StateSwitch(const char* name) { return StateGet(name, 0) == 1; }

void StateCountCall() { StateSet("Calls", StateGet("Calls", 0) + 1); }

void StateCountWrite() { StateSet("Writes", StateGet("Writes", 0) + 1); }

void StateAdjust(const char* name, int delta) {
    const long long value = static_cast<long long>(StateGet(name, 0)) + delta;
    StateSet(name, value < 0 ? 0 : static_cast<DWORD>(value));
}

DWORD FirmwareWord(const std::wstring& method) {
    return StateGet(Narrow(method).c_str(), DefaultWord(method));
}

bool SetFirmwareWord(const std::wstring& method, DWORD value) {
    return StateSet(Narrow(method).c_str(), value);
}

bool OnBattery() {
    const DWORD source = StateGet("PowerSource", 0xFFFFFFFF);
    if (source == 0) return false;
    if (source == 1) return true;
    SYSTEM_POWER_STATUS status = {};
    return ::GetSystemPowerStatus(&status) && status.ACLineStatus == 0;
}

std::wstring MonitorInstanceName() {
    static const wchar_t kDefault[] = L"DISPLAY\\SIM0001\\4&1a2b3c4d&0&UID256_0";
    fw::RegKey key = OpenState(false);
    if (!key) return kDefault;
    DWORD type = 0, size = 0;
    if (::RegQueryValueExW(key.Get(), L"MonitorInstance", nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ || size < sizeof(wchar_t) || size > 8192)
        return kDefault;
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    if (::RegQueryValueExW(key.Get(), L"MonitorInstance", nullptr, &type,
                           reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS)
        return kDefault;
    text.back() = L'\0';
    return text.data();
}

}  // namespace sim

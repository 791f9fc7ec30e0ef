#include "SimState.h"

#include <wbemidl.h>

#include "Com.h"
#include "Handles.h"

namespace {

fw::RegKey StateKey() {
    fw::RegKey key;
    ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSimKey, 0, nullptr, 0, KEY_READ | KEY_WRITE | kSimView, nullptr,
                      key.Put(), nullptr);
    return key;
}

}  // namespace

DWORD SimGet(const char* name, DWORD fallback) {
    fw::RegKey key = StateKey();
    DWORD type = 0, value = 0, size = sizeof(value);
    if (!key ||
        ::RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return fallback;
    return value;
}

void SimSet(const char* name, DWORD value) {
    fw::RegKey key = StateKey();
    ASSERT_TRUE(key);
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExA(key.Get(), name, 0, REG_DWORD,
                                              reinterpret_cast<const BYTE*>(&value), sizeof(value)));
}

void SimSetString(const char* name, const std::wstring& value) {
    fw::RegKey key = StateKey();
    ASSERT_TRUE(key);
    const std::wstring wname(name, name + std::char_traits<char>::length(name));
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExW(key.Get(), wname.c_str(), 0, REG_SZ,
                                              reinterpret_cast<const BYTE*>(value.c_str()),
                                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))));
}

void SimDelete(const char* name) {
    fw::RegKey key = StateKey();
    if (key) ::RegDeleteValueA(key.Get(), name);
}

// Wine's own WMI crashes the caller on the firmware methods: no test may reach it.
bool SimRegistered() {
    static const bool registered = [] {
        fw::ComPtr<IWbemLocator> locator;
        const HRESULT hr = ::CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER,
                                              IID_IWbemLocator, locator.PutVoid());
        return SUCCEEDED(hr) && ::GetModuleHandleA("FirmwareSim.dll") != nullptr;
    }();
    return registered;
}

void SimTest::SetUp() {
    ASSERT_TRUE(SimRegistered())
        << "The WMI locator of this Wine prefix is not the firmware simulator.\n"
           "Register <build>/tools/FirmwareSim.dll as the InprocServer32 of CLSID_WbemLocator\n"
           "{4590F811-1D3A-11D0-891F-00AA004B2E24} under HKLM\\Software\\Classes (scripts/winenv does),\n"
           "or run: WINENV_BUILD=<build> scripts/winenv ctest --test-dir <build>";
    SimSet("0_49", 0x3);
    SimSet("0_50", 0x75);
    SimSet("0_230", 0x10000);
    for (const char* s : {"FailMonitor", "FailGet", "FailConnect", "Calls", "Writes", "Connections"})
        SimSet(s, 0);
    SimDelete("MonitorBrightness");
    SimDelete("MonitorInstance");
    SimDelete("PowerSource");
}

void SimTest::TearDown() {
    for (const char* s : {"FailMonitor", "FailGet", "FailConnect"}) SimSet(s, 0);
    SimDelete("MonitorInstance");
    SimDelete("PowerSource");
}

void ConnectedSimTest::SetUp() {
    SimTest::SetUp();
    ASSERT_TRUE(acpi.Connect());
}

void ConnectedSimTest::TearDown() {
    acpi.Release();
    SimTest::TearDown();
}

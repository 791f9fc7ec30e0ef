#include "SimFixture.h"

#include <wbemidl.h>

#include <cstdio>

#include "Com.h"
#include "SuiteComEnvironment.h"
#include "Handles.h"

namespace {

const char kStateKey[] = "Software\\FirmwareSim";
bool g_simulated = false;

fw::RegKey StateKey() {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kStateKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return fw::RegKey();
    return fw::RegKey(key);
}

// COM as the suite's programs set it up, and the guard that no test reaches Wine's own WMI, which
// crashes the caller on the firmware methods.
class ComEnvironment : public SuiteComEnvironment {
public:
    void SetUp() override {
        SuiteComEnvironment::SetUp();
        fw::ComPtr<IWbemLocator> locator;
        HRESULT hr = ::CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                        locator.PutVoid());
        HMODULE sim = ::GetModuleHandleA("FirmwareSim.dll");
        g_simulated = SUCCEEDED(hr) && sim != nullptr;
        ASSERT_TRUE(g_simulated)
            << "The WMI locator of this Wine prefix is not the firmware simulator.\n"
               "Register <build>/tools/FirmwareSim.dll as the InprocServer32 of CLSID_WbemLocator\n"
               "{4590F811-1D3A-11D0-891F-00AA004B2E24} under HKLM\\Software\\Classes (scripts/winenv does),\n"
               "or run: WINENV_BUILD=<build> scripts/winenv ctest --test-dir <build>";
        char path[MAX_PATH] = {};
        ::GetModuleFileNameA(sim, path, sizeof(path));
        std::printf("firmware simulator: %s\n", path);
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ComEnvironment);

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
    std::wstring wname(name, name + std::char_traits<char>::length(name));
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExW(key.Get(), wname.c_str(), 0, REG_SZ,
                                              reinterpret_cast<const BYTE*>(value.c_str()),
                                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))));
}

void SimDelete(const char* name) {
    fw::RegKey key = StateKey();
    if (key) ::RegDeleteValueA(key.Get(), name);
}

void SimTest::SetUp() {
    ASSERT_TRUE(g_simulated) << "firmware simulator not registered";
    SimSet("0_49", 0x3);
    SimSet("0_50", 0x75);
    SimSet("0_230", 0x10000);
    for (const char* s : {"FailMonitor", "FailGet", "FailConnect", "Calls", "Writes", "Connections"}) SimSet(s, 0);
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

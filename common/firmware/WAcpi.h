#pragma once
// Access to the notebook firmware's ACPI methods as the ACPI-to-WMI mapping exposes them in
// "\\.\ROOT\WMI" (class "Method_ULong"), and to the standard monitor brightness class.
#include <windows.h>
#include <wbemidl.h>

#include <cstddef>

#include "Com.h"

class CWAcpi {
public:
    CWAcpi() = default;
    // Releasing the connection is the owner's ReleaseWmi; the smart pointers only catch an owner
    // that never got that far, so nothing leaks.
    virtual ~CWAcpi() = default;
    CWAcpi(const CWAcpi&) = delete;
    CWAcpi& operator=(const CWAcpi&) = delete;

    // Runs `method` of the object at `path` with the 32-bit `value` in the in-parameter `param`.
    // 1 on success, 0 on any failure.
    int ExecSetULong(const char* className, const char* path, const char* method, const char* param,
                     ULONG value);
    // Runs `method` of the object at `path` and reads the 32-bit out-parameter `param`.
    // 1 on success with `value` written; 0 on failure with `value` untouched.
    int ExecGetULong(const char* path, const char* method, const char* param, ULONG& value);
    // Object path of the n-th instance of the last enumeration made by SetMonitorBrightness, or a
    // null Bstr when the enumeration has no such instance or its name does not fit the path.
    fw::Bstr GetInstancePath(const wchar_t* className, int n);
    // Sets the brightness (0-100 on real panels) of the first monitor. 1 on success, 0 on failure.
    int SetMonitorBrightness(BYTE brightness);

    fw::ComPtr<IWbemServices> services;           // "\\.\ROOT\WMI", null until connected
    fw::ComPtr<IWbemLocator> locator;             // made the connection, null until connected
    fw::ComPtr<IEnumWbemClassObject> enumerator;  // last instance enumeration of the monitor class
};

// Wide characters an instance name may take once its backslashes are doubled (the terminator of
// the 256-character path buffer excluded).
constexpr std::size_t kMaxEscapedInstanceName = 255;

// Copies `name` into `out` (room for `cap` characters with the terminator) with every backslash
// doubled, as WMI wants key values in object paths. False, with `out` empty, when it does not fit.
bool EscapeWmiKeyValue(const wchar_t* name, wchar_t* out, std::size_t cap);

#pragma once
// The firmware requests of the suite: a 32-bit word read from or written to one firmware method,
// an instance of "Method_ULong" named ACPI\PNP0C14\<instance>.
#include <windows.h>

#include <cstddef>

#include "WAcpi.h"

constexpr const char kAcpiRadios[] = "0_49";          // bit 0 wireless LAN, bit 1 Bluetooth
constexpr const char kAcpiBrightness[] = "0_50";      // bits 0-3 battery level, bits 4-7 mains level
constexpr const char kAcpiDisplayOutput[] = "0_230";  // 0x10000 panel, 0x20000 external, 0x30000 both

// Object path of the firmware method `instance` (e.g. "0_49"), its backslashes escaped for WMI.
// False when `instance` is missing or the path does not fit `cap` bytes.
bool AcpiMethodPath(const char* instance, char* out, std::size_t cap);

// "GetULong" of the instance; `value` is untouched on failure.
bool AcpiGetULong(CWAcpi& acpi, const char* instance, ULONG& value);
// "SetULong" of the instance with `value`.
bool AcpiSetULong(CWAcpi& acpi, const char* instance, ULONG value);

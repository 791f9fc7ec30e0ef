#pragma once
// The connection of a window that owns a CWAcpi. Each owner keeps a connected flag (0 or 1) beside
// its CWAcpi and tests it before it relies on the firmware.
#include "WAcpi.h"

// Connects `acpi` to "\\.\ROOT\WMI" unless `connected` is already set; sets `connected` to 1 on
// success and leaves it 0, with nothing held, on failure.
void ConnectWmi(CWAcpi& acpi, int& connected);

// When `connected` is nonzero: releases the connection of `acpi` and clears `connected`.
// Otherwise does nothing.
void ReleaseWmi(CWAcpi& acpi, int& connected);

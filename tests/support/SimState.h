#pragma once
// The firmware simulator (tools/firmware_sim), which stands in for the notebook's firmware and the
// monitor class in the Wine prefix: its state is a registry key of the prefix (the words 0_49, 0_50
// and 0_230, the monitor brightness, the power source, switches that make it fail, and counters of
// calls, writes and live connections). Every test reads and sets it here.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "WAcpi.h"

constexpr char kSimKey[] = "Software\\FirmwareSim";  // under HKEY_LOCAL_MACHINE
// The simulator keeps its state in the 64-bit registry view for programs of both bitnesses (the
// i686 product's tests are 32-bit programs).
constexpr REGSAM kSimView = KEY_WOW64_64KEY;
// SimGet's answer for a value the simulator never wrote.
constexpr DWORD kNeverSet = 0xDEAD0000;

DWORD SimGet(const char* name, DWORD fallback = kNeverSet);
void SimSet(const char* name, DWORD value);
void SimSetString(const char* name, const std::wstring& value);
void SimDelete(const char* name);
// Whether the WMI locator of this prefix is the simulator (asked once; COM must be initialised).
bool SimRegistered();

// Each test starts from a known machine: words 0x3 / 0x75 / 0x10000, switches off, no calls.
class SimTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// The same, with a connection to the simulator made for each test and released after it.
class ConnectedSimTest : public SimTest {
protected:
    void SetUp() override;
    void TearDown() override;
    CWAcpi acpi;
};

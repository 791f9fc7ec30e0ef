#pragma once
// Tests against the firmware simulator: its state is the registry key it keeps in the prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "WAcpi.h"

DWORD SimGet(const char* name, DWORD fallback = 0xDEAD0000);
void SimSet(const char* name, DWORD value);
void SimSetString(const char* name, const std::wstring& value);
void SimDelete(const char* name);

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

#include <gtest/gtest.h>

#include <string>

#include "SimState.h"
#include "WAcpi.h"

namespace {

const wchar_t kMonitorClass[] = L"WmiMonitorBrightnessMethods";

class MonitorBrightnessTest : public ConnectedSimTest {};

TEST(EscapeWmiKeyValueTest, DoublesBackslashesWithinTheBound) {
    struct Case {
        std::wstring name;
        std::size_t cap;
        bool fits;
        std::wstring escaped;
    };
    const Case cases[] = {
        {L"", 4, true, L""},
        {L"ACPI\\PNP0C14\\0_49", 64, true, L"ACPI\\\\PNP0C14\\\\0_49"},
        {L"ab", 3, true, L"ab"},
        {L"abc", 3, false, L""},
        {L"a\\", 4, true, L"a\\\\"},
        {L"a\\", 3, false, L""},  // the doubled backslash would not fit beside the terminator
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name.begin(), c.name.end()));
        wchar_t out[64] = {L'x'};
        EXPECT_EQ(c.fits, EscapeWmiKeyValue(c.name.c_str(), out, c.cap));
        EXPECT_EQ(c.escaped, std::wstring(out));
    }
}

TEST_F(MonitorBrightnessTest, BrightnessArrivesAsSent) {
    const BYTE levels[] = {0, 1, 50, 100, 255};
    for (BYTE level : levels) {
        SCOPED_TRACE(level);
        EXPECT_TRUE(acpi.SetMonitorBrightness(level));
        EXPECT_EQ(level, SimGet("MonitorBrightness"));
    }
    EXPECT_EQ(5u, SimGet("Calls"));
}

TEST_F(MonitorBrightnessTest, FailingMonitorReportsFailure) {
    SimSet("MonitorBrightness", 40);
    SimSet("FailMonitor", 1);
    EXPECT_FALSE(acpi.SetMonitorBrightness(80));
    EXPECT_EQ(40u, SimGet("MonitorBrightness"));
}

// The firmware tracks the monitor: a successful call moves the 0_50 level of the machine's power
// source to the brightness minus one and leaves the other nibble and the bits above them alone; a
// failed call moves nothing.
TEST_F(MonitorBrightnessTest, FirmwareLevelFollowsTheMonitor) {
    const DWORD kMains = 0, kBattery = 1;
    struct Case {
        const char* what;
        DWORD source;
        DWORD wordBefore;
        BYTE brightness;
        bool failMonitor;
        DWORD wordAfter;
    } cases[] = {
        {"mains up to 8", kMains, 0x75, 9, false, 0x85},
        {"mains down to 0", kMains, 0x75, 1, false, 0x05},
        {"battery up to 6", kBattery, 0x75, 7, false, 0x76},
        {"battery keeps high bits", kBattery, 0x12345675, 1, false, 0x12345670},
        {"mains keeps high bits", kMains, 0xA0000035, 5, false, 0xA0000045},
        {"brightness 0 is level 0", kMains, 0x75, 0, false, 0x05},
        {"beyond 16 stops at 15", kBattery, 0x70, 100, false, 0x7F},
        {"failing monitor", kMains, 0x75, 9, true, 0x75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimSet("PowerSource", c.source);
        SimSet("0_50", c.wordBefore);
        SimSet("FailMonitor", c.failMonitor ? 1 : 0);
        EXPECT_EQ(!c.failMonitor, acpi.SetMonitorBrightness(c.brightness));
        EXPECT_EQ(c.wordAfter, SimGet("0_50"));
    }
}

// Each call enumerates afresh: nothing of an earlier request is needed, or kept.
TEST_F(MonitorBrightnessTest, InstancePathsOfAFreshEnumeration) {
    fw::Bstr first = acpi.GetInstancePath(kMonitorClass, 0);
    ASSERT_TRUE(first);
    EXPECT_STREQ(L"WmiMonitorBrightnessMethods.InstanceName=\"DISPLAY\\\\SIM0001\\\\4&1a2b3c4d&0&UID256_0\"",
                 first.Get());
    ASSERT_TRUE(acpi.SetMonitorBrightness(30));
    EXPECT_STREQ(first.Get(), acpi.GetInstancePath(kMonitorClass, 0).Get());
    EXPECT_FALSE(acpi.GetInstancePath(kMonitorClass, 1));
    EXPECT_FALSE(acpi.GetInstancePath(kMonitorClass, 7));
}

TEST_F(MonitorBrightnessTest, OverLongInstanceNameYieldsNoPath) {
    struct Case {
        const char* what;
        std::wstring name;
        bool fits;
    };
    const Case cases[] = {
        {"255 plain characters", std::wstring(255, L'M'), true},
        {"256 plain characters", std::wstring(256, L'M'), false},
        {"127 backslashes and 1 character", std::wstring(127, L'\\') + L"M", true},
        {"128 backslashes", std::wstring(128, L'\\'), false},
        {"far beyond the buffer", std::wstring(2000, L'\\'), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimSetString("MonitorInstance", c.name);
        SimSet("Calls", 0);
        EXPECT_EQ(c.fits, acpi.SetMonitorBrightness(60));
        EXPECT_EQ(c.fits ? 1u : 0u, SimGet("Calls"));  // no path, no method call
        fw::Bstr path = acpi.GetInstancePath(kMonitorClass, 0);
        EXPECT_EQ(c.fits, static_cast<bool>(path));
    }
}

}  // namespace

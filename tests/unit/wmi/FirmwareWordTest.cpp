#include <gtest/gtest.h>

#include <string>

#include "AcpiRequests.h"
#include "SimState.h"

namespace {

class FirmwareWordTest : public ConnectedSimTest {};

TEST(AcpiMethodPathTest, BuildsEscapedPathsAndRefusesWhatDoesNotFit) {
    char path[MAX_PATH];
    ASSERT_TRUE(AcpiMethodPath(kAcpiRadios, path, sizeof(path)));
    EXPECT_STREQ("Method_ULong.InstanceName=\"ACPI\\\\PNP0C14\\\\0_49\"", path);
    ASSERT_TRUE(AcpiMethodPath(kAcpiDisplayOutput, path, sizeof(path)));
    EXPECT_STREQ("Method_ULong.InstanceName=\"ACPI\\\\PNP0C14\\\\0_230\"", path);

    EXPECT_FALSE(AcpiMethodPath(nullptr, path, sizeof(path)));
    EXPECT_FALSE(AcpiMethodPath("", path, sizeof(path)));
    std::string longInstance(300, '9');
    EXPECT_FALSE(AcpiMethodPath(longInstance.c_str(), path, sizeof(path)));
    EXPECT_STREQ("", path);
}

TEST_F(FirmwareWordTest, ReadsAndWritesEachWord) {
    struct Case {
        const char* instance;
        DWORD stored;
        ULONG written;
    };
    const Case cases[] = {
        {kAcpiRadios, 0x00000002, 0x00000001},
        {kAcpiBrightness, 0x0000009C, 0x000000A3},
        {kAcpiDisplayOutput, 0x00010000, 0x00030000},
        {kAcpiRadios, 0xFFFFFFFF, 0x80000000},  // all 32 bits travel through the VT_I4
        {kAcpiBrightness, 0x80000001, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.instance);
        SimSet(c.instance, c.stored);
        ULONG word = 0;
        EXPECT_TRUE(AcpiGetULong(acpi, c.instance, word));
        EXPECT_EQ(c.stored, word);
        EXPECT_TRUE(AcpiSetULong(acpi, c.instance, c.written));
        EXPECT_EQ(c.written, SimGet(c.instance));
    }
    EXPECT_EQ(2u * (sizeof(cases) / sizeof(cases[0])), SimGet("Calls"));
    EXPECT_EQ(sizeof(cases) / sizeof(cases[0]), SimGet("Writes"));  // the reads are no writes
}

TEST_F(FirmwareWordTest, EachInstanceAddressesItsOwnWord) {
    ASSERT_TRUE(AcpiSetULong(acpi, kAcpiDisplayOutput, 0x20000));
    EXPECT_EQ(0x20000u, SimGet("0_230"));
    EXPECT_EQ(0x3u, SimGet("0_49"));
    EXPECT_EQ(0x75u, SimGet("0_50"));
}

TEST_F(FirmwareWordTest, ToggleMasksClearTheHighBits) {
    // Read-modify-write as the radio and brightness writes do it: their AND masks are 32-bit values
    // (0xFE, not 0xFFFFFFFE), so bits 8-31 of the word read do not come back.
    struct Case {
        const char* instance;
        DWORD stored;
        ULONG andMask;
        ULONG orBits;
        DWORD expected;
    };
    const Case cases[] = {
        {kAcpiRadios, 0xABCDEF03, 0xFE, 0x00, 0x02},      // wireless LAN off
        {kAcpiRadios, 0x12345603, 0xFD, 0x00, 0x01},      // Bluetooth off
        {kAcpiBrightness, 0xFFFF0A75, 0x0F, 0x90, 0x95},  // mains level 9
        {kAcpiBrightness, 0x80000075, 0xF0, 0x03, 0x73},  // battery level 3
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        SimSet(c.instance, c.stored);
        ULONG word = 0;
        ASSERT_TRUE(AcpiGetULong(acpi, c.instance, word));
        ASSERT_TRUE(AcpiSetULong(acpi, c.instance, (word & c.andMask) | c.orBits));
        EXPECT_EQ(c.expected, SimGet(c.instance));
    }
}

TEST_F(FirmwareWordTest, FailedReadLeavesTheValueUntouched) {
    SimSet("FailGet", 1);
    ULONG word = 0xCAFEF00D;
    EXPECT_FALSE(AcpiGetULong(acpi, kAcpiRadios, word));
    EXPECT_EQ(0xCAFEF00Du, word);
    SimSet("FailGet", 0);

    // The method runs but its out-parameter has no such name.
    EXPECT_FALSE(acpi.ExecGetULong("Method_ULong.InstanceName=\"ACPI\\\\PNP0C14\\\\0_49\"", "GetULong", "Dta",
                                   word));
    EXPECT_EQ(0xCAFEF00Du, word);
}

TEST_F(FirmwareWordTest, BadRequestsFailAndExecuteNothing) {
    const char* goodPath = "Method_ULong.InstanceName=\"ACPI\\\\PNP0C14\\\\0_49\"";
    struct Case {
        const char* what;
        const char* className;
        const char* path;
        const char* method;
        const char* param;
    };
    const Case cases[] = {
        {"parameter the signature lacks (Put fails)", "Method_ULong", goodPath, "SetULong", "Dta"},
        {"unknown class", "Method_ULongs", goodPath, "SetULong", "Data"},
        {"unknown method", "Method_ULong", goodPath, "SetULongs", "Data"},
        {"unknown instance", "Method_ULong", "Method_ULong.InstanceName=\"ACPI\\\\PNP0C14\\\\0_51\"",
         "SetULong", "Data"},
        {"unescaped backslashes", "Method_ULong", "Method_ULong.InstanceName=\"ACPI\\PNP0C14\\0_49\"",
         "SetULong", "Data"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(acpi.ExecSetULong(c.className, c.path, c.method, c.param, 0x77));
    }
    EXPECT_EQ(0u, SimGet("Calls"));
    EXPECT_EQ(0x3u, SimGet("0_49"));

    ULONG word = 0x1234;
    EXPECT_FALSE(AcpiGetULong(acpi, "0_51", word));
    EXPECT_FALSE(AcpiSetULong(acpi, "0_51", 0));
    EXPECT_EQ(0x1234u, word);
    EXPECT_EQ(0u, SimGet("Calls"));
}

}  // namespace

#include <gtest/gtest.h>

#include "AcpiRequests.h"
#include "SimState.h"
#include "SuiteComEnvironment.h"

namespace {

// COM as the suite's programs set it up, once for the whole test program.
const auto* const g_comEnvironment = ::testing::AddGlobalTestEnvironment(new SuiteComEnvironment);

using ConnectionTest = SimTest;

TEST_F(ConnectionTest, ConnectsAndReleases) {
    CWAcpi acpi;
    ASSERT_TRUE(acpi.Connect());
    EXPECT_TRUE(acpi.Connected());
    EXPECT_EQ(1u, SimGet("Connections"));  // the simulator sees the one connection

    acpi.Release();
    EXPECT_FALSE(acpi.Connected());
    EXPECT_EQ(0u, SimGet("Connections"));
    acpi.Release();  // nothing to let go: nothing happens
    EXPECT_FALSE(acpi.Connected());

    {
        CWAcpi owner;
        ASSERT_TRUE(owner.Connect());
        EXPECT_EQ(1u, SimGet("Connections"));
    }
    EXPECT_EQ(0u, SimGet("Connections")) << "the connection goes with its owner";
}

// A second connect on a connected object does nothing: it keeps the connection it has, even when a
// new one could not be made.
TEST_F(ConnectionTest, SecondConnectKeepsTheConnection) {
    CWAcpi acpi;
    ASSERT_TRUE(acpi.Connect());
    SimSet("FailConnect", 1);
    EXPECT_TRUE(acpi.Connect());
    EXPECT_TRUE(acpi.Connected());
    EXPECT_EQ(1u, SimGet("Connections"));
    ULONG word = 0;
    EXPECT_TRUE(AcpiGetULong(acpi, kAcpiRadios, word));
    acpi.Release();
}

TEST_F(ConnectionTest, FailedConnectionHoldsNothingAndSaysWhy) {
    SimSet("FailConnect", 1);
    CWAcpi acpi;
    EXPECT_FALSE(acpi.Connect());
    EXPECT_FALSE(acpi.Connected());
    EXPECT_EQ(0u, SimGet("Connections"));
    EXPECT_EQ(WBEM_E_ACCESS_DENIED, acpi.LastError());
    EXPECT_STRNE("", acpi.LastFailure());

    // COM is still usable by the process afterwards, and a later attempt may succeed.
    SimSet("FailConnect", 0);
    EXPECT_TRUE(acpi.Connect());
    acpi.Release();
}

TEST_F(ConnectionTest, RequestsWithoutConnectionFailQuietly) {
    CWAcpi acpi;
    ULONG word = 0x5A5A5A5A;
    EXPECT_FALSE(AcpiGetULong(acpi, kAcpiRadios, word));
    EXPECT_EQ(0x5A5A5A5Au, word);
    EXPECT_FALSE(AcpiSetULong(acpi, kAcpiRadios, 0));
    EXPECT_FALSE(acpi.SetMonitorBrightness(50));
    EXPECT_FALSE(acpi.GetInstancePath(L"WmiMonitorBrightnessMethods", 0));
    EXPECT_EQ(0u, SimGet("Calls"));
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_NOT_CONNECTED), acpi.LastError());
}

}  // namespace

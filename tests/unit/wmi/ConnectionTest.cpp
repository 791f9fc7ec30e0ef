#include <gtest/gtest.h>

#include "AcpiRequests.h"
#include "SimFixture.h"
#include "WmiConnection.h"

namespace {

using ConnectionTest = SimTest;

TEST_F(ConnectionTest, ConnectsAndReleases) {
    CWAcpi acpi;
    int connected = 0;
    ConnectWmi(acpi, connected);
    ASSERT_EQ(1, connected);
    EXPECT_TRUE(acpi.services);
    EXPECT_TRUE(acpi.locator);
    EXPECT_EQ(1u, SimGet("Connections"));  // the simulator sees the one connection

    ReleaseWmi(acpi, connected);
    EXPECT_EQ(0, connected);
    EXPECT_FALSE(acpi.services);
    EXPECT_FALSE(acpi.locator);
    EXPECT_EQ(0u, SimGet("Connections"));
}

TEST_F(ConnectionTest, SecondConnectKeepsTheConnection) {
    CWAcpi acpi;
    int connected = 0;
    ConnectWmi(acpi, connected);
    ASSERT_EQ(1, connected);
    // Hold the first services object so that a new one could not reuse its address.
    IWbemServices* first = acpi.services.Get();
    first->AddRef();
    ConnectWmi(acpi, connected);
    EXPECT_EQ(1, connected);
    EXPECT_EQ(first, acpi.services.Get());
    first->Release();
    ReleaseWmi(acpi, connected);
}

TEST_F(ConnectionTest, ReleaseWithClearFlagDoesNothing) {
    CWAcpi acpi;
    int connected = 0;
    ConnectWmi(acpi, connected);
    ASSERT_EQ(1, connected);
    int notConnected = 0;
    ReleaseWmi(acpi, notConnected);
    EXPECT_EQ(0, notConnected);
    EXPECT_TRUE(acpi.services);
    EXPECT_TRUE(acpi.locator);
    ULONG word = 0;
    EXPECT_EQ(1, AcpiGetULong(acpi, kAcpiRadios, word));
    ReleaseWmi(acpi, connected);
}

TEST_F(ConnectionTest, FailedConnectionLeavesFlagClearAndHoldsNothing) {
    SimSet("FailConnect", 1);
    CWAcpi acpi;
    int connected = 0;
    ConnectWmi(acpi, connected);
    EXPECT_EQ(0, connected);
    EXPECT_FALSE(acpi.services);
    EXPECT_FALSE(acpi.locator);

    // COM is still usable by the process afterwards, and a later attempt may succeed.
    SimSet("FailConnect", 0);
    ConnectWmi(acpi, connected);
    EXPECT_EQ(1, connected);
    ReleaseWmi(acpi, connected);
}

TEST_F(ConnectionTest, RequestsWithoutConnectionFailQuietly) {
    CWAcpi acpi;
    ULONG word = 0x5A5A5A5A;
    EXPECT_EQ(0, AcpiGetULong(acpi, kAcpiRadios, word));
    EXPECT_EQ(0x5A5A5A5Au, word);
    EXPECT_EQ(0, AcpiSetULong(acpi, kAcpiRadios, 0));
    EXPECT_EQ(0, acpi.SetMonitorBrightness(50));
    EXPECT_FALSE(acpi.GetInstancePath(L"WmiMonitorBrightnessMethods", 0));
    EXPECT_EQ(0u, SimGet("Calls"));
}

}  // namespace

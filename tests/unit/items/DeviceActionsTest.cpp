// Radios through the firmware simulator, their captions in the store, the power items with a
// recording power control, and the brightness bar.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeviceActions.h"
#include "ItemsTestSupport.h"

namespace {

struct RecordingPower : IPowerControl {
    bool tokenOpens = true;
    bool callSucceeds = false;
    std::vector<std::string> calls;
    bool ReserveHibernationFile() override {
        calls.push_back("reserve");
        return false;
    }
    bool EnableShutdownPrivilege() override {
        calls.push_back("privilege");
        return tokenOpens;
    }
    bool SetPowerState(bool suspend) override {
        calls.push_back(suspend ? "suspend" : "hibernate");
        return callSucceeds;
    }
};

TEST(ToggledRadioWordTest, FlipsOneBitAndClearsTheHighBitsOnlyWhenClearing) {
    const struct {
        ULONG word, bit, expected;
    } cases[] = {
        {0x00000103, kRadioWlanBit, 0x00000002},      {0x00000102, kRadioWlanBit, 0x00000103},
        {0x00000003, kRadioBluetoothBit, 0x00000001}, {0x00000000, kRadioBluetoothBit, 0x00000002},
        {0xFFFFFFFF, kRadioBluetoothBit, 0x000000FD}, {0x000001F2, kRadioBluetoothBit, 0x000000F0},
        {0xFFFFFF00, kRadioWlanBit, 0xFFFFFF01},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, ToggledRadioWord(c.word, c.bit)) << std::hex << c.word << " bit " << c.bit;
}

class FirmwareTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SimRegistered())
            << "the WMI locator of this prefix is not the firmware simulator; run under scripts/winenv "
               "with WINENV_BUILD=<build>";
        SimSet("FailGet", 0);
        SimSet("0_49", 0x3);
        ASSERT_TRUE(acpi_.Connect());
    }
    void TearDown() override {
        SimSet("FailGet", 0);
        acpi_.Release();
    }

    ScratchFolder folder_{"device"};
    ScratchStore store_;
    CWAcpi acpi_;
    RecordingPower power_;
    CDeviceActions device_{acpi_, Texts(), store_.Store(), power_, folder_.Path()};
};

TEST_F(FirmwareTest, TogglesWriteTheFlippedWordAndTellTheOnScreenDisplay) {
    const std::string log = folder_.Join("osd.log");
    InstallStub(folder_.Path(), "Osd.exe", log, {"title=" + Texts().osdWindowTitle, "lifetime=60000"});
    RunningStub osd(folder_.Join("Osd.exe"), log);
    ASSERT_TRUE(osd.Ready()) << ReadFileText(log);

    const struct {
        bool wlan;
        DWORD before, after;
    } cases[] = {
        {true, 0x103, 0x002},
        {true, 0x102, 0x103},
        {false, 0x003, 0x001},
        {false, 0x001, 0x003},
    };
    int wlanPresses = 0, bluetoothPresses = 0;
    for (const auto& c : cases) {
        SimSet("0_49", c.before);
        EXPECT_EQ(1, c.wlan ? device_.ToggleWirelessLan() : device_.ToggleBluetooth());
        EXPECT_EQ(c.after, SimGet("0_49")) << std::hex << c.before;
        (c.wlan ? wlanPresses : bluetoothPresses)++;
    }
    suite::WaitUntil([&] { return LogLinesWith(log, " msg 3936 ").size() >= 4u; }, 5000);
    EXPECT_EQ(static_cast<std::size_t>(wlanPresses), LogLinesWith(log, " msg 3936 1 0").size())
        << ReadFileText(log);
    EXPECT_EQ(static_cast<std::size_t>(bluetoothPresses), LogLinesWith(log, " msg 3936 2 0").size());
}

TEST_F(FirmwareTest, UnreadableRadioWordIsNotOverwrittenButTheDisplayStillHears) {
    const std::string log = folder_.Join("osd.log");
    InstallStub(folder_.Path(), "Osd.exe", log, {"title=" + Texts().osdWindowTitle, "lifetime=60000"});
    RunningStub osd(folder_.Join("Osd.exe"), log);
    ASSERT_TRUE(osd.Ready());

    SimSet("0_49", 0x102);
    SimSet("FailGet", 1);
    EXPECT_EQ(0, device_.ToggleWirelessLan());
    EXPECT_EQ(0, device_.ToggleBluetooth());
    EXPECT_EQ(0x102u, SimGet("0_49"));
    suite::WaitUntil([&] { return LogLinesWith(log, " msg 3936 ").size() >= 2u; }, 5000);
    EXPECT_EQ(1u, LogLinesWith(log, " msg 3936 1 0").size());
    EXPECT_EQ(1u, LogLinesWith(log, " msg 3936 2 0").size());
}

TEST_F(FirmwareTest, TogglesWithoutTheDisplayWindowPostNothing) {
    ASSERT_EQ(nullptr, ::FindWindowA(nullptr, Texts().osdWindowTitle.c_str()));
    SimSet("0_49", 0x0);
    EXPECT_EQ(1, device_.ToggleWirelessLan());
    EXPECT_EQ(1, device_.ToggleBluetooth());
    EXPECT_EQ(0x3u, SimGet("0_49"));
}

// The captions of the radio items, as the panel writes them at its start.
struct CaptionTexts {
    std::string wlanOff, wlanOn, wlanOnOff, btOff, btOn, btOnOff;
};

CaptionTexts ExpectedCaptions() {
    if (KoreanInterface())
        return {Ansi("무선랜 끄기"),   Ansi("무선랜 켜기"),   Ansi("무선랜 켜기/끄기"),
                Ansi("블루투스 끄기"), Ansi("블루투스 켜기"), Ansi("블루투스 켜기/끄기")};
    return {"Wireless Lan Off", "Wireless Lan On", "Wireless Lan OnOff",
            "Bluetooth Off",    "Bluetooth On",    "Bluetooth OnOff"};
}

TEST_F(FirmwareTest, AdministratorCaptionsNameWhatAPressWillDo) {
    const CaptionTexts c = ExpectedCaptions();
    const char* value = KoreanInterface() ? "0x412" : "0x409";
    const char* other = KoreanInterface() ? "0x409" : "0x412";
    const struct {
        DWORD word;
        std::string wlan, bluetooth;
    } cases[] = {
        {0x0, c.wlanOn, c.btOn},   {0x1, c.wlanOff, c.btOn},       {0x2, c.wlanOn, c.btOff},
        {0x3, c.wlanOff, c.btOff}, {0xFFFFFF00, c.wlanOn, c.btOn},
    };
    for (const auto& k : cases) {
        SimSet("0_49", k.word);
        EXPECT_EQ(1, device_.SyncRadioCaptions());
        EXPECT_EQ(k.wlan, store_.Text(kAirvaneKey, value)) << std::hex << k.word;
        EXPECT_EQ(k.bluetooth, store_.Text(kBluevaneKey, value)) << std::hex << k.word;
    }
    EXPECT_EQ("<missing>", store_.Text(kAirvaneKey, other));
    EXPECT_EQ(0xFFFFFF00u, SimGet("0_49")) << "reading the captions must not switch a radio";
}

TEST_F(FirmwareTest, UnreadableRadioWordLeavesTheCaptionsAsTheyAre) {
    const CaptionTexts c = ExpectedCaptions();
    const char* value = KoreanInterface() ? "0x412" : "0x409";
    SimSet("0_49", 0x1);
    ASSERT_EQ(1, device_.SyncRadioCaptions());
    SimSet("0_49", 0x2);
    SimSet("FailGet", 1);
    EXPECT_EQ(0, device_.SyncRadioCaptions());
    EXPECT_EQ(c.wlanOff, store_.Text(kAirvaneKey, value));
    EXPECT_EQ(c.btOn, store_.Text(kBluevaneKey, value));
}

TEST_F(FirmwareTest, NeutralCaptionsWhateverTheRadios) {
    const CaptionTexts c = ExpectedCaptions();
    const char* value = KoreanInterface() ? "0x412" : "0x409";
    for (DWORD word : {0x0u, 0x3u}) {
        SimSet("0_49", word);
        EXPECT_EQ(1, device_.ResetRadioCaptions());
        EXPECT_EQ(c.wlanOnOff, store_.Text(kAirvaneKey, value));
        EXPECT_EQ(c.btOnOff, store_.Text(kBluevaneKey, value));
    }
}

class PowerTest : public ::testing::Test {
protected:
    void SetUp() override { InstallStub(folder_.Path(), "Suspend.exe", log_); }
    std::vector<std::string> Arguments() {
        WaitForText(log_, " end ", 5000);
        return LogLinesWith(log_, " arg ");
    }

    ScratchFolder folder_{"power"};
    std::string log_ = folder_.Join("suspend.log");
    ScratchStore store_;
    CWAcpi acpi_;
    RecordingPower power_;
    CDeviceActions device_{acpi_, Texts(), store_.Store(), power_, folder_.Path()};
};

TEST_F(PowerTest, StandbyAndHibernationFallBackToTheSuspendProgram) {
    const struct {
        bool hibernate, tokenOpens, callSucceeds;
        std::vector<std::string> calls;
        const char* argument;  // of Suspend.exe; null: not started
    } cases[] = {
        {false, true, true, {"privilege", "suspend"}, nullptr},
        {false, true, false, {"privilege", "suspend"}, "1"},
        {false, false, false, {"privilege"}, nullptr},
        {true, true, true, {"reserve", "privilege", "hibernate"}, nullptr},
        {true, true, false, {"reserve", "privilege", "hibernate"}, "2"},
        {true, false, false, {"reserve", "privilege"}, nullptr},  // reserved even without the privilege
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.hibernate ? "hibernate" : "suspend") << " token "
                                          << c.tokenOpens << " call " << c.callSucceeds);
        ::DeleteFileA(log_.c_str());
        power_.calls.clear();
        power_.tokenOpens = c.tokenOpens;
        power_.callSucceeds = c.callSucceeds;
        EXPECT_EQ(1, c.hibernate ? device_.HibernateSystem() : device_.SuspendSystem());
        EXPECT_EQ(c.calls, power_.calls);
        if (c.argument) {
            ASSERT_TRUE(WaitForText(log_, " end ")) << "Suspend.exe did not run";
            std::vector<std::string> args = LogLinesWith(log_, " arg ");
            ASSERT_EQ(1u, args.size()) << ReadFileText(log_);
            EXPECT_NE(std::string::npos, args[0].find(std::string(" arg 1 ") + c.argument));
            EXPECT_EQ(1u, LogLinesWith(log_, " cwd " + folder_.Path()).size()) << ReadFileText(log_);
        } else {
            EXPECT_TRUE(NothingStarted(log_, 500)) << ReadFileText(log_);
        }
    }
}

TEST_F(PowerTest, BrightnessExplainsTheKeysThenStartsTheBar) {
    const std::string log = folder_.Join("lumivox.log");
    InstallStub(folder_.Path(), "Lumivox.exe", log);
    {
        MessageBoxWatcher boxes;
        EXPECT_EQ(1, device_.ShowBrightnessOsd());
        std::vector<SeenMessage> seen = boxes.Seen();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(KoreanInterface() ? Ansi("▲, ▼ 버튼을 사용하여 밝기를 조정 하십시오.")
                                    : std::string("LCD Brightness Control Using Up, Down Key."),
                  seen[0].text);
        EXPECT_FALSE(seen[0].hasIcon);
    }
    ASSERT_TRUE(WaitForText(log, " end "));
    std::vector<std::string> args = LogLinesWith(log, " arg ");
    ASSERT_EQ(1u, args.size());
    EXPECT_NE(std::string::npos, args[0].find(" arg 1 2"));
    EXPECT_EQ(1u, LogLinesWith(log, " cwd " + folder_.Path()).size()) << ReadFileText(log);
}

}  // namespace

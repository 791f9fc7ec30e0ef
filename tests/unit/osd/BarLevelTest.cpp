// The bar made in this process with a fixed power source, against the firmware simulator: its
// first reading and what the Up and Down keys do to the monitor and the firmware word, on mains
// and on battery, with the monitor method or the firmware read failing.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "LumivoxDlg.h"
#include "PowerSource.h"
#include "SimState.h"
#include "SuiteComEnvironment.h"

namespace {

// COM as the program sets it up, once for the whole test program.
const auto* const g_comEnvironment = ::testing::AddGlobalTestEnvironment(new SuiteComEnvironment);

// A fixed source: a Wine prefix always reports mains.
class CFixedPowerSource : public IPowerSource {
public:
    explicit CFixedPowerSource(PowerSource source) : source_(source) {}
    PowerSource Current() const override { return source_; }

private:
    PowerSource source_;
};

class BarLevelTest : public SimTest {
protected:
    void TearDown() override {
        Close();
        SimTest::TearDown();
    }

    // The bar on `source`, over a simulated machine on the same source whose word 0_50 is `word`.
    void Open(PowerSource source, DWORD word) {
        power_ = std::make_unique<CFixedPowerSource>(source);
        SimSet("PowerSource", source == PowerSource::Battery ? 1 : 0);
        SimSet("0_50", word);
        bar_ = std::make_unique<CLumivoxDlg>(*power_);
        ASSERT_TRUE(bar_->Create());
        ASSERT_TRUE(bar_->WmiConnected());
    }

    // A key as the message loop hands it to the pre-translation.
    void Key(WPARAM key) {
        MSG msg = {};
        msg.hwnd = bar_->Handle();
        msg.message = WM_KEYDOWN;
        msg.wParam = key;
        bar_->PreTranslateMessage(msg);
    }
    void Keys(const char* keys) {
        for (const char* k = keys; *k; ++k) Key(*k == 'U' ? VK_UP : VK_DOWN);
    }

    void Close() {
        if (!bar_) return;
        ::SendMessageA(bar_->Handle(), WM_CLOSE, 0, 0);
        EXPECT_FALSE(bar_->WmiConnected()) << "the close releases the firmware";
        bar_.reset();
    }

    std::unique_ptr<CFixedPowerSource> power_;
    std::unique_ptr<CLumivoxDlg> bar_;
};

// The mains cases with the monitor method at work are the system tests' (the real program on the
// prefix's mains power); here the battery, which only this seam can show, and the firmware path.
TEST_F(BarLevelTest, KeysReachTheMonitorAndTheFirmware) {
    const PowerSource kMains = PowerSource::Mains, kBattery = PowerSource::Battery;
    const struct {
        const char* what;
        PowerSource source;
        DWORD word;
        bool failMonitor;
        const char* keys;
        int startLevel;
        DWORD monitor;  // the last brightness the monitor method received
        DWORD wordAfter;
        int levelAfter;
    } cases[] = {
        {"Down at 0 stays 0, no monitor", kMains, 0x05, true, "D", 0, kNeverSet, 0x05, 0},
        {"firmware 12 shows 12, Up sets 8", kMains, 0xC5, false, "U", 12, 9, 0x85, 8},
        {"three Ups from 2 add up, no monitor", kMains, 0x25, true, "UUU", 2, kNeverSet, 0x55, 5},
        {"battery 5, Up", kBattery, 0x75, false, "U", 5, 7, 0x76, 6},
        {"battery 5, Down twice, no monitor", kBattery, 0x75, true, "DD", 5, kNeverSet, 0x73, 3},
        {"battery keeps the mains nibble", kBattery, 0x35, true, "UUUUU", 5, kNeverSet, 0x38, 8},
        // The firmware write sends the two nibbles only.
        {"high bits cleared by the write", kMains, 0x375, true, "D", 7, kNeverSet, 0x65, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SimTest::SetUp();  // a fresh machine for each case
        SimSet("FailMonitor", c.failMonitor ? 1 : 0);
        Open(c.source, c.word);
        EXPECT_EQ(c.startLevel, bar_->Level());
        Keys(c.keys);
        EXPECT_EQ(c.levelAfter, bar_->Level());
        EXPECT_EQ(c.monitor, SimGet("MonitorBrightness", kNeverSet));
        EXPECT_EQ(c.wordAfter, SimGet("0_50"));
        Close();
    }
}

// A read that fails at a key steps from the level on the screen: Up from a bright screen must not
// darken it to level 1. The other nibble of a firmware write then comes from the last word read.
TEST_F(BarLevelTest, FailedReadAtAKeyStepsFromTheShownLevel) {
    Open(PowerSource::Mains, 0x75);
    ASSERT_EQ(7, bar_->Level());
    SimSet("FailGet", 1);
    Key(VK_UP);
    EXPECT_EQ(8, bar_->Level());
    EXPECT_EQ(9u, SimGet("MonitorBrightness"));

    SimSet("FailMonitor", 1);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(6, bar_->Level());
    EXPECT_EQ(0x65u, SimGet("0_50")) << "the battery nibble of the last word read is kept";
}

// Without any word read, a firmware write would have to invent the other power source's level:
// nothing is written, and the bar still shows the level asked for.
TEST_F(BarLevelTest, NoWordEverReadWritesNothing) {
    SimSet("FailGet", 1);
    SimSet("FailMonitor", 1);
    Open(PowerSource::Battery, 0x75);
    EXPECT_EQ(0, bar_->Level()) << "a failed first reading shows 0";
    SimSet("Calls", 0);
    Key(VK_UP);
    EXPECT_EQ(1, bar_->Level());
    EXPECT_EQ(0x75u, SimGet("0_50"));
    // The reading at the key, the monitor method and the reading before the write were tried; no
    // SetULong followed.
    EXPECT_EQ(3u, SimGet("Calls"));
}

}  // namespace

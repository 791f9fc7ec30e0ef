// The panel's items with the real Corvela.exe: paging with the arrows, the radio items against
// the firmware simulator (the word changes, the captions follow at the next start), a user's
// program, and the display-output item, which hides the panel and brings it back. Every state is
// also saved as a screenshot in <build>\screenshots\items-*.png.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BarFacts.h"
#include "PanelFacts.h"
#include "ScreenCapture.h"
#include "Stub.h"
#include "SuiteHarness.h"

namespace {

using namespace suite::panel;

const DWORD kStartTimeoutMs = 15000;
const DWORD kCloseTimeoutMs = 8000;

// The whole screen as <build>\screenshots\items-<name>.png.
void Screenshot(const char* name) { suite::SaveScreenshot(std::string("items-") + name); }

std::string StoreText(const char* item, const char* value) {
    char path[160];
    wsprintfA(path, "%s\\%s", kStoreKey, item);
    HKEY key = nullptr;
    char text[260] = {};
    DWORD size = sizeof(text) - 1, type = 0;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return "<no key>";
    if (::RegQueryValueExA(key, value, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS)
        text[0] = '\0';
    ::RegCloseKey(key);
    return text;
}

class ItemsPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAnyPanel();
        SimSet("FailConnect", 0);
        SimSet("FailGet", 0);
        suite::MovePointer(100, 100);
        suite::Settle(50);
    }
    void TearDown() override { CloseAnyPanel(); }

    static void CloseAnyPanel() { suite::panel::CloseAnyPanel(kCloseTimeoutMs); }

    HWND StartPanel() {
        run_ = suite::ProgramRun::Start("Corvela.exe");
        EXPECT_TRUE(run_.Started());
        HWND panel = suite::WaitForWindow(kPanelTitle, kStartTimeoutMs);
        EXPECT_NE(nullptr, panel);
        if (!panel) return nullptr;
        WaitPlaced(panel, kStartTimeoutMs);
        return panel;
    }

    void ExpectClosed() {
        EXPECT_TRUE(suite::WaitForWindowGone(kPanelTitle, kCloseTimeoutMs));
        EXPECT_TRUE(run_.WaitForExit(kCloseTimeoutMs));
    }

    static std::vector<std::string> ShownLabels(HWND panel) {
        std::vector<std::string> labels;
        for (int id = 2001; id <= 2008; ++id) {
            HWND b = ::GetDlgItem(panel, id);
            if (!::IsWindowVisible(b)) continue;
            char text[260] = {};
            ::GetWindowTextA(b, text, sizeof(text));
            labels.push_back(text);
        }
        return labels;
    }
    static std::vector<std::string> Labels(int first, int last) {
        std::vector<std::string> out;
        for (int n = first; n <= last; ++n) out.push_back("Item " + std::to_string(n));
        return out;
    }
    static bool Shown(HWND panel, int id) { return ::IsWindowVisible(::GetDlgItem(panel, id)) != FALSE; }

    suite::ProgramRun run_;
};

TEST_F(ItemsPanelTest, PagesDownAndUpWithTheArrows) {
    WriteStore(StandIns(20));
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    EXPECT_EQ(Labels(1, 8), ShownLabels(panel));
    EXPECT_FALSE(Shown(panel, 2000));
    EXPECT_TRUE(Shown(panel, 2009));
    Screenshot("page1");

    const struct {
        int arrow;  // 9 DOWN, 0 UP
        int first, last;
        bool up, down;
        int restIndex;
        const char* shot;
    } steps[] = {
        {9, 9, 16, true, true, 1, "page2"},
        {9, 17, 20, true, false, 1, "page3"},
        {0, 9, 16, true, true, 8, "page2-after-up"},
        {0, 1, 8, false, true, 8, "page1-after-up"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.shot);
        // The arrow takes the pointer first (it captures it on entering), then the click.
        ClickButton(s.arrow);
        EXPECT_TRUE(suite::WaitUntil([&] { return ShownLabels(panel) == Labels(s.first, s.last); }, 3000));
        EXPECT_EQ(Labels(s.first, s.last), ShownLabels(panel));
        EXPECT_EQ(s.up, Shown(panel, 2000));
        EXPECT_EQ(s.down, Shown(panel, 2009));
        EXPECT_TRUE(suite::WaitUntil([&] { return SamePoint(suite::PointerPos(), Spot(s.restIndex)); }, 2000))
            << "pointer at " << suite::PointerPos().x << "," << suite::PointerPos().y;
        Screenshot(s.shot);
    }
    ASSERT_NE(nullptr, ::FindWindowA(nullptr, kPanelTitle)) << "paging must not close the panel";
}

// The brightness item: the panel explains the keys, closes and starts the bar, whose keys change
// the simulated brightness.
TEST_F(ItemsPanelTest, BrightnessItemShowsAWorkingBar) {
    using namespace suite::bar;
    suite::EndProgramsWithWindow(kBarTitle, 3000);
    SimSet("FailMonitor", 0);
    SimSet("PowerSource", 0);
    SimSet("0_50", 0x75);
    std::vector<StoreItem> items = StandIns(10);
    items.insert(items.begin() + 2, StoreItem{"Brightness", "Brightness Control", 1, 2006, ""});
    WriteStore(items);
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    ClickButton(3);
    HWND box = suite::WaitForWindow(kMessageBoxCaption, kStartTimeoutMs, "#32770");
    ASSERT_NE(nullptr, box) << "the key help does not show";
    Screenshot("brightness-help");
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ExpectClosed();

    HWND bar = suite::WaitForWindow(kBarTitle, kStartTimeoutMs);
    ASSERT_NE(nullptr, bar) << "the bar does not show";
    suite::MovePointer(100, 100);
    EXPECT_TRUE(WaitShown(bar, 7, kStartTimeoutMs)) << "segments shown: " << ShownSegments();
    suite::PressKey(VK_DOWN);
    suite::PressKey(VK_DOWN);
    EXPECT_TRUE(WaitShown(bar, 5, kStartTimeoutMs)) << "segments shown: " << ShownSegments();
    EXPECT_TRUE(suite::WaitUntil([] { return SimGet("MonitorBrightness") == 6 && SimGet("0_50") == 0x55; }, 3000));
    suite::PressKey(VK_UP);
    EXPECT_TRUE(WaitShown(bar, 6, kStartTimeoutMs)) << "segments shown: " << ShownSegments();
    EXPECT_TRUE(suite::WaitUntil([] { return SimGet("MonitorBrightness") == 7 && SimGet("0_50") == 0x65; }, 3000));
    Screenshot("brightness-bar");
    suite::PressKey(VK_ESCAPE);
    EXPECT_TRUE(suite::WaitForWindowGone(kBarTitle, 3000));
}

// A press on a radio item switches the radio in the firmware; the caption on its button names
// the action, and follows the new state at the next start.
TEST_F(ItemsPanelTest, RadioItemsSwitchTheFirmwareAndTheCaptionsFollow) {
    std::vector<StoreItem> items = {{"Airvane", "", 1, 2004, ""}, {"Bluevane", "", 1, 2005, ""}};
    std::vector<StoreItem> rest = StandIns(10);
    items.insert(items.end(), rest.begin(), rest.end());
    WriteStore(items);
    SimSet("0_49", 0x1);

    const struct {
        int button;
        DWORD wordAfter;
        const char *wlanCaption, *bluetoothCaption, *shot;
    } presses[] = {
        {2001, 0x0, "Wireless Lan Off", "Bluetooth On", "radios-wlan-on"},
        {2002, 0x2, "Wireless Lan On", "Bluetooth On", "radios-wlan-off"},
        {0, 0x2, "Wireless Lan On", "Bluetooth Off", "radios-bluetooth-on"},
    };
    for (const auto& p : presses) {
        SCOPED_TRACE(p.shot);
        HWND panel = StartPanel();
        ASSERT_NE(nullptr, panel);
        EXPECT_EQ(p.wlanCaption, StoreText("Airvane", "0x409"));
        EXPECT_EQ(p.bluetoothCaption, StoreText("Bluevane", "0x409"));
        const std::vector<std::string> labels = ShownLabels(panel);
        ASSERT_GE(labels.size(), 2u);
        EXPECT_EQ(p.wlanCaption, labels[0]);
        EXPECT_EQ(p.bluetoothCaption, labels[1]);
        Screenshot(p.shot);
        if (!p.button) break;
        ClickButton(p.button - 2000);
        ExpectClosed();
        EXPECT_EQ(p.wordAfter, SimGet("0_49", 0));
    }
}

TEST_F(ItemsPanelTest, UserProgramStartsAndThePanelCloses) {
    suite::ScratchFolder folder("items-user");
    const std::string exe = folder.Join("UserTool.exe");
    const std::string log = folder.Join("usertool.log");
    ASSERT_NO_FATAL_FAILURE(suite::InstallStub(folder.Path(), "UserTool.exe", log));

    std::vector<StoreItem> items = StandIns(10);
    items.insert(items.begin() + 2, StoreItem{"My Tool", "My Tool", 0, 0, exe});
    WriteStore(items);
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    EXPECT_EQ("My Tool", ShownLabels(panel)[2]);
    HoverButton(3);
    Screenshot("user-program-selected");
    ClickButton(3);
    ExpectClosed();
    EXPECT_TRUE(suite::WaitForText(log, " end ", 8000)) << "the user's program did not run";
    EXPECT_NE(std::string::npos, suite::ReadFileText(log).find(" start"));
    Screenshot("user-program-started");
}

// The display output hides the panel, which stays open while the dialog runs and comes back after
// a choice with the pointer on its selected button.
TEST_F(ItemsPanelTest, DisplayOutputHidesThePanelAndBringsItBack) {
    std::vector<StoreItem> items = StandIns(10);
    items.insert(items.begin() + 2, StoreItem{"Monitor", "Monitor", 1, 2007, ""});
    WriteStore(items);
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    ClickButton(3);
    HWND box = suite::WaitForWindow(kMonitorTitle, 5000);
    ASSERT_NE(nullptr, box);
    EXPECT_FALSE(::IsWindowVisible(panel)) << "the panel hides while the dialog runs";
    EXPECT_TRUE(run_.Running());
    Screenshot("display-output-dialog");

    suite::PressKey(VK_RETURN);  // a choice: the first tile, selected at opening
    ASSERT_TRUE(suite::WaitForWindowGone(kMonitorTitle, 5000));
    EXPECT_TRUE(suite::WaitUntil([&] { return ::IsWindowVisible(panel) != FALSE; }, 3000))
        << "the panel comes back";
    EXPECT_EQ(panel, ::FindWindowA(nullptr, kPanelTitle));
    EXPECT_TRUE(suite::WaitUntil([] { return SamePoint(suite::PointerPos(), Spot(3)); }, 3000))
        << "pointer at " << suite::PointerPos().x << "," << suite::PointerPos().y;
    Screenshot("display-output-back");
    // Its keys work again: Down selects the next item and puts the pointer on it.
    suite::PressKey(VK_DOWN);
    EXPECT_TRUE(suite::WaitUntil([] { return SamePoint(suite::PointerPos(), Spot(4)); }, 3000));
}

// A close that reaches the panel while the display-output dialog runs (a second start, the
// close message) ends the dialog and the program; the panel never shows again on the way out.
enum class OutsideClose { SecondStart, PanelCloseMessage };

class DisplayOutputCloseTest : public ItemsPanelTest, public ::testing::WithParamInterface<OutsideClose> {};

TEST_P(DisplayOutputCloseTest, EndsTheDialogAndTheProgramWithoutShowingThePanelAgain) {
    std::vector<StoreItem> items = StandIns(10);
    items.insert(items.begin() + 2, StoreItem{"Monitor", "Monitor", 1, 2007, ""});
    WriteStore(items);
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    ClickButton(3);
    ASSERT_NE(nullptr, suite::WaitForWindow(kMonitorTitle, 5000));
    ASSERT_TRUE(suite::WaitUntil([&] { return !::IsWindowVisible(panel); }, 3000));

    suite::ProgramRun second;
    if (GetParam() == OutsideClose::SecondStart) {
        second = suite::ProgramRun::Start("Corvela.exe");
        ASSERT_TRUE(second.Started());
    } else {
        ::PostMessageA(panel, 5043, 0, 0);
    }
    bool shownAgain = false;
    const bool ended = suite::WaitUntil(
        [&] {
            shownAgain = shownAgain || (::IsWindow(panel) && ::IsWindowVisible(panel));
            return !run_.Running();
        },
        kCloseTimeoutMs, 2);
    EXPECT_TRUE(ended) << "Corvela.exe still runs";
    EXPECT_FALSE(shownAgain) << "the closed panel showed itself again";
    EXPECT_EQ(nullptr, ::FindWindowA(nullptr, kMonitorTitle)) << "the dialog outlived the panel";
    EXPECT_EQ(nullptr, ::FindWindowA(nullptr, kPanelTitle));
    if (second.Started()) {
        EXPECT_TRUE(second.WaitForExit(kCloseTimeoutMs));
    }
}

INSTANTIATE_TEST_SUITE_P(WhileTheDialogRuns, DisplayOutputCloseTest,
                         ::testing::Values(OutsideClose::SecondStart, OutsideClose::PanelCloseMessage),
                         [](const ::testing::TestParamInfo<OutsideClose>& info) {
                             return info.param == OutsideClose::SecondStart ? "SecondStart"
                                                                            : "PanelCloseMessage";
                         });

// Nine items: after DOWN only the ninth is on the screen. A pointer resting where the third was,
// then Enter, must not run the third: a hidden button is never selected and carries no label.
TEST_F(ItemsPanelTest, EnterNeverRunsAnItemThatIsNotOnTheScreen) {
    suite::ScratchFolder folder("items-hidden");
    const std::string third = folder.Join("Third.exe");
    const std::string log = folder.Join("third.log");
    ASSERT_NO_FATAL_FAILURE(suite::InstallStub(folder.Path(), "Third.exe", log));
    std::vector<StoreItem> items = StandIns(10);
    items[2].path = third;
    WriteStore(items);
    // Ten item keys keep the store healthy; nine of them are checked.
    suite::SetDword((std::string(kStoreKey) + "\\" + items[9].key).c_str(), "Check", 0);
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    ClickButton(9);
    ASSERT_TRUE(suite::WaitUntil([&] { return ShownLabels(panel) == Labels(9, 9); }, 3000));
    for (int id = 2002; id <= 2008; ++id) {
        char text[260] = {};
        ::GetWindowTextA(::GetDlgItem(panel, id), text, sizeof(text));
        EXPECT_STREQ("", text) << "hidden button " << id;
    }
    HoverButton(3);
    suite::PressKey(VK_RETURN);
    // Enter presses what is selected on the screen: the ninth item, which runs nothing and closes.
    ExpectClosed();
    EXPECT_TRUE(suite::NeverWithin([&] { return !suite::ReadFileText(log).empty(); }, 1000))
        << "the hidden third item ran";
}

}  // namespace

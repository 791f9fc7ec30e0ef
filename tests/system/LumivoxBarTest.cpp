// Lumivox's brightness bar seen from outside: the real Lumivox.exe against the firmware simulator
// (the prefix reports mains power). Where it stands and how the window manager sees it, what the
// Up and Down keys do to the monitor, the firmware word and the segments on the screen, when it
// closes, and a start without the firmware. Screenshots in <build>\screenshots\lumivox-*.png.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "BarFacts.h"
#include "Handles.h"
#include "ScreenCapture.h"
#include "SuiteHarness.h"

namespace {

using namespace suite::bar;

const DWORD kStartTimeoutMs = 15000;
const DWORD kKeyTimeoutMs = 5000;
// Escape ends the bar at once: well before its close timer could.
const DWORD kEscapeTimeoutMs = 2500;

const char* LanguageTag() { return ::GetSystemDefaultLCID() == 0x412 ? "ko" : "en"; }

class LumivoxBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        suite::EndProgramsWithWindow(kBarTitle, 3000);
        for (const char* s : {"FailConnect", "FailGet", "FailMonitor"}) SimSet(s, 0);
        SimSet("PowerSource", 0);  // mains, as the prefix reports
        SimSet("0_50", 0x75);
        suite::MovePointer(100, 100);  // off the bar, whose pixels the tests read
    }
    void TearDown() override {
        suite::EndProgramsWithWindow(kBarTitle, 3000);
        for (const char* s : {"FailConnect", "FailGet", "FailMonitor"}) SimSet(s, 0);
    }

    // Starts "Lumivox.exe 2", as the panel does, over the firmware word `word`, and waits until the
    // bar stands in its place showing `segments` segments.
    HWND StartBar(DWORD word, int segments) {
        SimSet("0_50", word);
        ForgetMonitor();
        run_ = suite::ProgramRun::Start("Lumivox.exe", "2");
        EXPECT_TRUE(run_.Started());
        HWND bar = suite::WaitForWindow(kBarTitle, kStartTimeoutMs);
        EXPECT_NE(nullptr, bar) << "no window titled Control";
        if (!bar) return nullptr;
        EXPECT_TRUE(WaitShown(bar, segments, kStartTimeoutMs)) << "segments shown: " << ShownSegments();
        return bar;
    }

    static void ForgetMonitor() { SimDelete("MonitorBrightness"); }

    // Escape closes the bar at once and the program ends.
    void CloseWithEscape() {
        suite::PressKey(VK_ESCAPE);
        EXPECT_TRUE(suite::WaitForWindowGone(kBarTitle, kEscapeTimeoutMs)) << "Escape did not close the bar";
        EXPECT_TRUE(run_.WaitForExit(kStartTimeoutMs)) << "Lumivox.exe still runs";
    }

    suite::ProgramRun run_;
};

TEST_F(LumivoxBarTest, StandsAtTheBottomCentreShapedLayeredAndTopmost) {
    HWND bar = StartBar(0x75, 7);
    ASSERT_NE(nullptr, bar);
    const RECT r = suite::WindowRect(bar);
    EXPECT_TRUE(::EqualRect(&r, &kPlaced)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;

    // The region: corners cut in steps 6 pixels deep, whole edges between them.
    fw::Region region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(ERROR, ::GetWindowRgn(bar, region.Get()));
    RECT box;
    ::GetRgnBox(region.Get(), &box);
    EXPECT_TRUE(box.left == 0 && box.top == 0 && box.right == 410 && box.bottom == 55);
    const struct {
        int x, y;
        bool inside;
    } points[] = {{0, 0, false},    {5, 0, false},   {6, 0, true},     {403, 0, true},  {404, 0, false},
                  {0, 5, false},    {0, 6, true},    {409, 5, false},  {409, 6, true},  {0, 48, true},
                  {0, 49, false},   {5, 54, false},  {6, 54, true},    {403, 54, true}, {404, 54, false},
                  {205, 27, true}};
    for (const auto& p : points)
        EXPECT_EQ(p.inside, ::PtInRegion(region.Get(), p.x, p.y) != FALSE) << "(" << p.x << "," << p.y << ")";

    EXPECT_TRUE(suite::Style(bar) & WS_POPUP);
    EXPECT_FALSE(suite::Style(bar) & WS_CAPTION);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(suite::LayeredAlpha(bar, &alpha, &flags));
    EXPECT_EQ(204, alpha);
    EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags & LWA_ALPHA);
    EXPECT_TRUE(suite::IsTopmost(bar));
    CloseWithEscape();
}

// Keys pressed as a user presses them, each case on a fresh bar: the monitor method gets the level
// plus one, and the simulated firmware follows it (or, without the monitor, takes the word), so
// that repeated keys add up as on the machine.
TEST_F(LumivoxBarTest, KeysChangeTheBrightnessWithinTheBounds) {
    const struct {
        const char* what;
        DWORD word;
        bool failMonitor;
        const char* keys;
        int segmentsBefore;
        DWORD monitor;
        DWORD wordAfter;
        int segmentsAfter;
    } cases[] = {
        {"7 on mains, Up: the monitor gets 9", 0x75, false, "U", 7, 9, 0x85, 8},
        {"without the monitor the word becomes 0x85", 0x75, true, "U", 7, kNeverSet, 0x85, 8},
        {"Down at 0 stays 0", 0x05, false, "D", 0, 1, 0x05, 0},
        {"Up at 8 stays 8", 0x85, false, "U", 8, 9, 0x85, 8},
        // Twelve segments run off the bar: the ten whose middles lie inside it show.
        {"firmware level 12: Up sets 8", 0xC5, false, "U", kVisibleSlots, 9, 0x85, 8},
        {"three Ups from 2 end at 5", 0x25, false, "UUU", 2, 6, 0x55, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SimSet("FailMonitor", c.failMonitor ? 1 : 0);
        HWND bar = StartBar(c.word, c.segmentsBefore);
        ASSERT_NE(nullptr, bar);
        for (const char* k = c.keys; *k; ++k) suite::PressKey(*k == 'U' ? VK_UP : VK_DOWN);
        EXPECT_TRUE(suite::WaitUntil(
            [&] { return SimGet("0_50") == c.wordAfter && SimGet("MonitorBrightness") == c.monitor; }, kKeyTimeoutMs))
            << "word 0x" << std::hex << SimGet("0_50") << ", monitor " << std::dec << SimGet("MonitorBrightness");
        EXPECT_TRUE(WaitShown(bar, c.segmentsAfter, kKeyTimeoutMs)) << "segments shown: " << ShownSegments();
        CloseWithEscape();
    }
}

// A read that fails at a key after a good start: Up steps from the level on the screen.
TEST_F(LumivoxBarTest, UpStepsFromTheShownLevelWhenTheReadFails) {
    HWND bar = StartBar(0x75, 7);
    ASSERT_NE(nullptr, bar);
    SimSet("FailGet", 1);
    suite::PressKey(VK_UP);
    EXPECT_TRUE(suite::WaitUntil([] { return SimGet("MonitorBrightness") == 9; }, kKeyTimeoutMs))
        << "monitor " << SimGet("MonitorBrightness");
    EXPECT_TRUE(WaitShown(bar, 8, kKeyTimeoutMs)) << "segments shown: " << ShownSegments();
    CloseWithEscape();
}

// 5 seconds after the start, or after the last key, the bar goes by itself.
TEST_F(LumivoxBarTest, ClosesFiveSecondsAfterTheStartAndAfterTheLastKey) {
    ASSERT_NE(nullptr, StartBar(0x75, 7));
    // The close timer starts as the bar takes its title, a moment before it was found.
    EXPECT_FALSE(suite::WaitForWindowGone(kBarTitle, 4000)) << "closed before its 5 seconds";
    EXPECT_TRUE(suite::WaitForWindowGone(kBarTitle, 4000)) << "still open long after its 5 seconds";
    EXPECT_TRUE(run_.WaitForExit(kStartTimeoutMs));

    HWND bar = StartBar(0x75, 7);
    ASSERT_NE(nullptr, bar);
    suite::Settle(3000);
    suite::PressKey(VK_UP);
    ASSERT_TRUE(WaitShown(bar, 8, kKeyTimeoutMs));
    // Without the key it would have gone 2 seconds from now.
    EXPECT_FALSE(suite::WaitForWindowGone(kBarTitle, 4000)) << "the key did not move the close on";
    EXPECT_TRUE(suite::WaitForWindowGone(kBarTitle, 4000)) << "still open long after the key";
    EXPECT_TRUE(run_.WaitForExit(kStartTimeoutMs));
}

// Without a connection to the firmware the bar could do nothing: nothing shows, nothing calls the
// firmware, and the program ends by itself.
TEST_F(LumivoxBarTest, WithoutTheFirmwareNothingShowsAndTheProgramEnds) {
    SimSet("FailConnect", 1);
    SimSet("Calls", 0);
    run_ = suite::ProgramRun::Start("Lumivox.exe", "2");
    ASSERT_TRUE(run_.Started());
    bool seen = false;
    const bool ended = suite::WaitUntil(
        [&] {
            for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
                if (suite::WindowProcess(w) != run_.Pid() || !::IsWindowVisible(w)) continue;
                const RECT r = suite::WindowRect(w);
                if (r.right > r.left && r.bottom > r.top) seen = true;
            }
            return !run_.Running();
        },
        kStartTimeoutMs, 5);
    EXPECT_TRUE(ended) << "Lumivox.exe still runs";
    EXPECT_FALSE(seen) << "a window of it showed";
    EXPECT_EQ(nullptr, ::FindWindowA(nullptr, kBarTitle));
    EXPECT_EQ(0u, SimGet("Calls"));
}

// There is no check for a running copy: every start shows a bar of its own.
TEST_F(LumivoxBarTest, TwoStartsShowTwoBars) {
    ASSERT_NE(nullptr, StartBar(0x75, 7));
    suite::ProgramRun second = suite::ProgramRun::Start("Lumivox.exe", "2");
    ASSERT_TRUE(second.Started());
    const auto bars = [] {
        int n = 0;
        for (HWND w = ::FindWindowA(nullptr, kBarTitle); w; w = ::FindWindowExA(nullptr, w, nullptr, kBarTitle)) ++n;
        return n;
    };
    EXPECT_TRUE(suite::WaitUntil([&] { return bars() == 2; }, kStartTimeoutMs)) << bars() << " bars";
    EXPECT_TRUE(second.Running());
    EXPECT_TRUE(run_.Running());
}

// The pictures of the README: levels 0, 4 and 8 (the bar has no text, so both languages look the
// same; the Korean run saves its own).
TEST_F(LumivoxBarTest, ScreenshotsAtLevels) {
    for (int level : {0, 4, 8}) {
        SCOPED_TRACE(level);
        ASSERT_NE(nullptr, StartBar(static_cast<DWORD>(level) << 4 | 0x5, level));
        EXPECT_FALSE(suite::SaveScreenshot("lumivox-level-" + std::to_string(level) + "-" + LanguageTag()).empty());
        CloseWithEscape();
    }
}

}  // namespace

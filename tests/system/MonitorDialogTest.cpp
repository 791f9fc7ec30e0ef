// The display-output dialog with the real Corvela.exe, opened from the panel's display-output
// item (command 2007): its place, shape and buttons, the keys and the pointer, the word each
// choice writes to the simulated firmware (once), the close action (no write, nothing posted), a
// panel closed while the dialog runs, and a firmware that cannot be reached. The opening and the
// choices run once more under the Korean locale (ctest entry system_tests_korean). Screenshots:
// <build>\screenshots\monitor-*.png.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "PanelFacts.h"
#include "ScreenCapture.h"
#include "SuiteHarness.h"

namespace {

using namespace suite::panel;

const DWORD kStartTimeoutMs = 15000;
const DWORD kCloseTimeoutMs = 8000;
const RECT kDialogPlaced = {346, 283, 678, 448};  // 332 x 165 on the 1024 x 768 desktop
const int kTileIds[3] = {1000, 1001, 1002};
const RECT kTileRects[3] = {{32, 55, 119, 128}, {124, 55, 211, 128}, {216, 55, 303, 128}};
const POINT kAnchors[3] = {{74, 88}, {167, 88}, {259, 88}};
const DWORD kWords[3] = {0x10000, 0x20000, 0x30000};
const int kCloseId = 1003;
const RECT kCloseRect = {302, 6, 318, 22};
const int kMonitorItem = 3;       // the display-output item sits on button 2003
const DWORD kWordBefore = 0x40;   // none of the three outputs: every choice changes it
const int kBackgroundKorean = 150;
const int kBackgroundEnglish = 205;

bool KoreanSystem() { return ::GetSystemDefaultLCID() == 0x412; }
std::string Shot(const char* name) {
    return std::string("monitor-") + name + "-" + (KoreanSystem() ? "ko" : "en");
}

POINT OnDialog(POINT client) { return POINT{kDialogPlaced.left + client.x, kDialogPlaced.top + client.y}; }
POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The window that has the keyboard focus in the thread of `window`.
HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

class MonitorDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAnyPanel(kCloseTimeoutMs);
        SimSet("FailConnect", 0);
        SimSet("FailGet", 0);
        SimSet("0_230", kWordBefore);
        SimSet("Writes", 0);
        SimSet("Connections", 0);  // a killed program's would stay
        std::vector<StoreItem> items = StandIns(10);
        items.insert(items.begin() + kMonitorItem - 1, StoreItem{"Monitor", "Monitor", 1, 2007, ""});
        WriteStore(items);
        suite::MovePointer(100, 100);
        suite::Settle(50);
    }
    void TearDown() override {
        CloseAnyPanel(kCloseTimeoutMs);
        run_.WaitForExit(kCloseTimeoutMs);
        SimSet("FailConnect", 0);
    }

    HWND StartPanel() {
        run_ = suite::ProgramRun::Start("Corvela.exe");
        EXPECT_TRUE(run_.Started());
        HWND panel = suite::WaitForWindow(kPanelTitle, kStartTimeoutMs);
        EXPECT_NE(nullptr, panel);
        if (panel) {
            EXPECT_TRUE(WaitPlaced(panel, kStartTimeoutMs));
        }
        return panel;
    }

    // Presses the display-output item (at `item`, its middle unless given) and waits for the
    // dialog to stand in its place with the pointer resting on its first tile.
    static HWND OpenDialog(POINT item = Middle(kMonitorItem)) {
        EXPECT_TRUE(RestPointerAt(item));
        suite::ClickAt(item.x, item.y);
        HWND box = suite::WaitForWindow(kMonitorTitle, kStartTimeoutMs);
        EXPECT_NE(nullptr, box) << "no window titled " << kMonitorTitle;
        if (!box) return nullptr;
        EXPECT_TRUE(suite::WaitUntil(
            [&] {
                const RECT r = suite::WindowRect(box);
                return ::EqualRect(&kDialogPlaced, &r) != FALSE;
            },
            kStartTimeoutMs));
        EXPECT_TRUE(WaitPointerResting(OnDialog(kAnchors[0])));
        suite::Settle(500);  // the late repetitions of the dialog's own pointer move (see below)
        return box;
    }

    // Under the virtual desktop a pointer move that a program made comes back once more, a little
    // later, as a move of its own; under load it can land after the next step and put the pointer
    // back where it was. So a step that relies on the pointer waits until it has rested on its
    // point for a while.
    static bool WaitPointerResting(POINT screen) {
        for (int look = 0; look < 5; ++look) {
            if (!suite::WaitUntil([&] { return SamePoint(suite::PointerPos(), screen); }, 3000)) return false;
            suite::Settle(300);
            if (SamePoint(suite::PointerPos(), screen)) return true;
        }
        return false;
    }

    // Takes the pointer off tile `tile` (to the caption strip below it) and back onto its anchor, so
    // that the tile reports it afresh. Under the virtual desktop a late repetition of an earlier
    // pointer move can reach a tile after the pointer has gone on, and the dialog then selects by
    // it; a fresh report puts the selection back where the pointer is, as a user's hand would.
    static void ReenterTile(int tile) {
        const POINT anchor = OnDialog(kAnchors[tile]);
        EXPECT_TRUE(RestPointerAt(POINT{anchor.x, kDialogPlaced.top + 140}));
        EXPECT_TRUE(RestPointerAt(anchor));
    }

    // Moves the pointer onto `screen` in two steps and waits until it has rested there 300 ms.
    static bool RestPointerAt(POINT screen) { return suite::RestPointerAt(screen.x, screen.y, 150); }

    // The dialog is gone, and with it its firmware connection; the panel is back on screen with
    // its own connection.
    void ExpectPanelBack(HWND panel) {
        EXPECT_TRUE(suite::WaitForWindowGone(kMonitorTitle, kCloseTimeoutMs));
        EXPECT_TRUE(suite::WaitUntil([&] { return ::IsWindowVisible(panel) != FALSE; }, kCloseTimeoutMs))
            << "the panel comes back";
        EXPECT_TRUE(run_.Running());
        EXPECT_EQ(1u, SimGet("Connections")) << "the dialog's firmware connection outlived it";
    }
    // The panel has its keyboard again: Down moves its selection (and the pointer) to the next item.
    static void ExpectPanelKeys() {
        suite::PressKey(VK_DOWN);
        EXPECT_TRUE(WaitPointerResting(Spot(kMonitorItem + 1)))
            << "pointer at " << suite::PointerPos().x << "," << suite::PointerPos().y;
    }

    suite::ProgramRun run_;
};

// Opening: in its place, shaped, four buttons, the first tile focused under the pointer; the panel
// hidden meanwhile. Down and Up walk the tiles and stop at both ends; the background drags the
// dialog; Escape ends it.
TEST_F(MonitorDialogTest, OpensInItsPlaceAndTheKeysWalkTheTiles) {
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    HWND box = OpenDialog();
    ASSERT_NE(nullptr, box);
    EXPECT_FALSE(::IsWindowVisible(panel)) << "the panel hides while the dialog runs";
    EXPECT_EQ(run_.Pid(), suite::WindowProcess(box));

    const RECT placed = suite::WindowRect(box);
    EXPECT_TRUE(::EqualRect(&kDialogPlaced, &placed))
        << placed.left << "," << placed.top << "," << placed.right << "," << placed.bottom;
    EXPECT_EQ(0, suite::Style(box) & WS_CAPTION);
    fw::Region rounded(::CreateRoundRectRgn(0, 0, 332, 165, 5, 5));
    EXPECT_TRUE(suite::WindowRegionEquals(box, rounded.Get()));
    for (int i = 0; i < 3; ++i) {
        const RECT r = suite::ChildRect(box, kTileIds[i]);
        EXPECT_TRUE(::EqualRect(&kTileRects[i], &r)) << kTileIds[i] << ": " << r.left << "," << r.top;
    }
    const RECT close = suite::ChildRect(box, kCloseId);
    EXPECT_TRUE(::EqualRect(&kCloseRect, &close)) << close.left << "," << close.top;
    EXPECT_EQ(::GetDlgItem(box, kTileIds[0]), FocusOf(box));
    EXPECT_TRUE(SamePoint(OnDialog(kAnchors[0]), suite::PointerPos()));
    EXPECT_FALSE(suite::SaveScreenshot(Shot("dialog")).empty());

    // Only the picture tells which background was drawn: the two differ in the caption at the
    // top, which no button covers.
    EXPECT_TRUE(suite::ShowsLocaleBackground(placed, kBackgroundKorean, kBackgroundEnglish, 300));

    const struct {
        WORD key;
        int tile;
    } steps[] = {{VK_DOWN, 1}, {VK_DOWN, 2}, {VK_DOWN, 2}, {VK_UP, 1}, {VK_UP, 0}, {VK_UP, 0}};
    int n = 0;
    int selected = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << "key " << ++n << (s.key == VK_DOWN ? " Down" : " Up"));
        ReenterTile(selected);
        suite::PressKey(s.key);
        selected = s.tile;
        EXPECT_TRUE(WaitPointerResting(OnDialog(kAnchors[s.tile])))
            << "pointer at " << suite::PointerPos().x << "," << suite::PointerPos().y;
        EXPECT_TRUE(suite::WaitUntil([&] { return FocusOf(box) == ::GetDlgItem(box, kTileIds[s.tile]); }, 3000));
        if (n == 2) {
            EXPECT_FALSE(suite::SaveScreenshot(Shot("keys-last-tile")).empty());
        }
    }

    // The background drags the caption-less dialog, and it follows the pointer without a jump.
    const POINT grip = OnDialog(POINT{250, 25});  // the caption, beside the close button
    EXPECT_TRUE(RestPointerAt(grip));              // the tile under the pointer lets it go first
    ASSERT_TRUE(suite::DragWindow(box, grip, -200, 100)) << "the press on the background did not start a move";
    EXPECT_TRUE(suite::WaitUntil([&] { return suite::DraggedTo(box, kDialogPlaced, -200, 100); }, 3000))
        << "dialog at " << suite::WindowRect(box).left << "," << suite::WindowRect(box).top;
    EXPECT_EQ(box, ::FindWindowA(nullptr, kMonitorTitle)) << "dragging ended the dialog";

    suite::PressKey(VK_ESCAPE);
    ExpectPanelBack(panel);
    EXPECT_EQ(0u, SimGet("Writes"));
}

// Each tile switches the output with exactly one write, by a click or by Enter after pointing at
// it; the panel then takes the pointer back onto the display-output item.
TEST_F(MonitorDialogTest, EachChoiceWritesItsWordOnce) {
    const struct {
        int tile;
        bool enter;
    } choices[] = {{0, false}, {1, false}, {2, false}, {1, true}};
    for (const auto& c : choices) {
        SCOPED_TRACE(testing::Message() << "tile " << kTileIds[c.tile] << (c.enter ? " by Enter" : " by a click"));
        SimSet("0_230", kWordBefore);
        SimSet("Writes", 0);
        HWND panel = StartPanel();
        ASSERT_NE(nullptr, panel);
        HWND box = OpenDialog();
        ASSERT_NE(nullptr, box);
        const POINT on = OnDialog(Centre(kTileRects[c.tile]));
        EXPECT_TRUE(RestPointerAt(on));
        if (c.enter) {
            if (c.tile == 1) {
                EXPECT_FALSE(suite::SaveScreenshot(Shot("pointer-on-external")).empty());
            }
            suite::PressKey(VK_RETURN);
        } else {
            suite::ClickAt(on.x, on.y);
        }
        ExpectPanelBack(panel);
        EXPECT_EQ(kWords[c.tile], SimGet("0_230"));
        EXPECT_EQ(1u, SimGet("Writes"));
        EXPECT_TRUE(WaitPointerResting(Spot(kMonitorItem))) << "pointer at " << suite::PointerPos().x << "," << suite::PointerPos().y;
        if (c.enter) {
            EXPECT_FALSE(suite::SaveScreenshot(Shot("panel-back")).empty());
        }
        ExpectPanelKeys();
        CloseAnyPanel(kCloseTimeoutMs);
        EXPECT_TRUE(run_.WaitForExit(kCloseTimeoutMs));
    }
}

// The close button and Escape end the dialog without a firmware request and without asking the
// panel for its pointer: the pointer stays where it was, and the panel is open with its keys.
TEST_F(MonitorDialogTest, CloseButtonAndEscapeWriteNothingAndPostNothing) {
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "close button");
        HWND panel = StartPanel();
        ASSERT_NE(nullptr, panel);
        HWND box = OpenDialog();
        ASSERT_NE(nullptr, box);
        const POINT close = OnDialog(Centre(kCloseRect));
        if (escape) {
            suite::PressKey(VK_ESCAPE);
        } else {
            EXPECT_TRUE(RestPointerAt(close));
            suite::ClickAt(close.x, close.y);
        }
        ExpectPanelBack(panel);
        EXPECT_TRUE(suite::NeverWithin(
            [] { return SamePoint(suite::PointerPos(), Spot(kMonitorItem)) || SimGet("Writes") != 0; }, 500));
        EXPECT_FALSE(SamePoint(suite::PointerPos(), Spot(kMonitorItem))) << "the panel was asked to reselect";
        EXPECT_EQ(0u, SimGet("Writes"));
        EXPECT_EQ(kWordBefore, SimGet("0_230"));
        ExpectPanelKeys();
        CloseAnyPanel(kCloseTimeoutMs);
        EXPECT_TRUE(run_.WaitForExit(kCloseTimeoutMs));
    }
}

// Whatever closes the panel while the dialog runs ends the dialog as if closed, then the panel;
// neither comes back, and nothing is written.
TEST_F(MonitorDialogTest, ClosingThePanelEndsTheDialogFirst) {
    enum class How { SecondStart, PanelCloseMessage, CloseAsTheSettingsProgram };
    const struct {
        How how;
        const char* what;
    } closes[] = {
        {How::SecondStart, "a second start"},
        {How::PanelCloseMessage, "UWM_PANEL_CLOSE"},
        {How::CloseAsTheSettingsProgram, "WM_CLOSE, as the settings program sends it"},
    };
    for (const auto& c : closes) {
        SCOPED_TRACE(c.what);
        HWND panel = StartPanel();
        ASSERT_NE(nullptr, panel);
        ASSERT_NE(nullptr, OpenDialog());
        const std::string index = UserIndexFile();
        ASSERT_TRUE(suite::FileExists(index)) << "the open panel keeps its index file";
        suite::ProgramRun second;
        switch (c.how) {
            case How::SecondStart:
                second = suite::ProgramRun::Start("Corvela.exe");
                EXPECT_TRUE(second.WaitForExit(kCloseTimeoutMs));
                break;
            case How::PanelCloseMessage:
                ::PostMessageA(panel, UWM_PANEL_CLOSE, 0, 0);
                break;
            case How::CloseAsTheSettingsProgram:
                ::PostMessageA(::FindWindowA(nullptr, kPanelTitle), WM_CLOSE, 0, 0);
                break;
        }
        bool panelShown = false;
        EXPECT_TRUE(suite::WaitUntil(
            [&] {
                if (::IsWindow(panel) && ::IsWindowVisible(panel)) panelShown = true;
                return !run_.Running();
            },
            kCloseTimeoutMs, 5))
            << "Corvela.exe still runs";
        EXPECT_FALSE(panelShown) << "the closed panel showed itself again";
        EXPECT_EQ(nullptr, ::FindWindowA(nullptr, kMonitorTitle));
        EXPECT_EQ(nullptr, ::FindWindowA(nullptr, kPanelTitle));
        EXPECT_FALSE(suite::FileExists(index)) << "the panel's close steps did not run";
        EXPECT_EQ(0u, SimGet("Writes"));
    }
}

// Without the firmware there is nothing to switch: the dialog ends unseen and the panel is back
// at once, with its keyboard. Once the firmware answers again, the item opens the dialog.
TEST_F(MonitorDialogTest, WithoutTheFirmwareThePanelComesBackAtOnce) {
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    SimSet("FailConnect", 1);
    const POINT item = Middle(kMonitorItem);
    EXPECT_TRUE(RestPointerAt(item));
    suite::ClickAt(item.x, item.y);
    // The key is handled after the press: the pointer moving on proves the press is over and the
    // panel has its keyboard back.
    ExpectPanelKeys();
    EXPECT_TRUE(::IsWindowVisible(panel));
    EXPECT_TRUE(run_.Running());
    EXPECT_EQ(nullptr, ::FindWindowA(nullptr, kMonitorTitle));
    EXPECT_EQ(0u, SimGet("Writes"));
    EXPECT_EQ(kWordBefore, SimGet("0_230"));

    SimSet("FailConnect", 0);
    // Away from the first click's spot: the same spot this soon would make a double click.
    ASSERT_NE(nullptr, OpenDialog(POINT{item.x - 40, item.y + 8}));
    suite::PressKey(VK_ESCAPE);
    ExpectPanelBack(panel);
}

}  // namespace

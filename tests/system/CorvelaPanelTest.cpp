// Corvela's panel seen from outside: where it appears and how it looks to the window manager, the
// pointer and keys, and every way it closes.
#include <gtest/gtest.h>

#include <string>

#include "PanelFacts.h"
#include "Stub.h"
#include "SuiteHarness.h"

namespace {

using namespace suite::panel;

const UINT kPanelHover = 5041;
const UINT kPanelClose = 5043;
const DWORD kStartTimeoutMs = 15000;
const DWORD kCloseTimeoutMs = 8000;

std::string Show(POINT p) { return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")"; }

// A store of twelve stand-in items, the first `checked` of them checked, in list order.
void WriteStandInStore(int checked) {
    suite::DeleteTree(kStoreKey);
    suite::SetDword(kStoreKey, "TrayChk", 0);
    for (int n = 1; n <= 12; ++n) {
        char key[64];
        char label[32];
        wsprintfA(key, "%s\\Stand-in %02d", kStoreKey, n);
        wsprintfA(label, "Stand-in %d", n);
        suite::SetString(key, "0x409", label);
        suite::SetString(key, "0x412", label);
        // A press runs nothing: the program does not exist.
        suite::SetString(key, "Path", "C:\\nowhere\\stand-in.exe");
        suite::SetDword(key, "Order", static_cast<DWORD>(n));
        suite::SetDword(key, "Check", n <= checked ? 1 : 0);
        suite::SetDword(key, "System", 0);
    }
}

class CorvelaPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAnyPanel();
        SimSet("FailConnect", 0);
        WriteStandInStore(8);
        index_ = UserIndexFile();
        suite::DeleteFileIfAny(index_);
        suite::MovePointer(100, 100);  // off the panel, so that no stray hover changes the selection
        suite::Settle(50);
    }
    void TearDown() override {
        CloseAnyPanel();
        SimSet("FailConnect", 0);
    }

    static void CloseAnyPanel() { suite::panel::CloseAnyPanel(kCloseTimeoutMs); }

    // Starts Corvela and waits until its panel stands at its place.
    HWND StartPanel() {
        run_ = suite::ProgramRun::Start("Corvela.exe");
        EXPECT_TRUE(run_.Started());
        HWND panel = suite::WaitForWindow(kPanelTitle, kStartTimeoutMs);
        EXPECT_NE(nullptr, panel) << "no window titled Corvela";
        if (!panel) return nullptr;
        EXPECT_TRUE(WaitPlaced(panel, kStartTimeoutMs));
        return panel;
    }

    void ExpectClosed() {
        EXPECT_TRUE(suite::WaitForWindowGone(kPanelTitle, kCloseTimeoutMs));
        EXPECT_TRUE(run_.WaitForExit(kCloseTimeoutMs)) << "Corvela.exe still runs";
        EXPECT_FALSE(suite::FileExists(index_)) << "the index file outlived the panel";
    }

    suite::ProgramRun run_;
    std::string index_;
};

TEST_F(CorvelaPanelTest, StandsAtTheRightEdgeShapedLayeredAndTopmost) {
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    const RECT r = suite::WindowRect(panel);
    EXPECT_EQ(812, r.left);
    EXPECT_EQ(103, r.top);
    EXPECT_EQ(212, r.right - r.left);
    EXPECT_EQ(561, r.bottom - r.top);

    const POINT outline[12] = {{0, 2},   {1, 2},   {1, 1},   {2, 1},   {2, 0},     {210, 0},
                               {210, 1}, {211, 1}, {211, 2}, {212, 2}, {212, 561}, {0, 561}};
    fw::Region expected(::CreatePolygonRgn(outline, 12, WINDING));
    EXPECT_TRUE(suite::WindowRegionEquals(panel, expected.Get()));

    const LONG_PTR style = suite::Style(panel);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION);
    const LONG_PTR ex = suite::ExStyle(panel);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(ex & WS_EX_APPWINDOW);
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(suite::LayeredAlpha(panel, &alpha, &flags));
    EXPECT_EQ(204, alpha);
    EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags & LWA_ALPHA);
    EXPECT_TRUE(suite::IsTopmost(panel));
    EXPECT_TRUE(suite::FileExists(index_)) << "the index file is built at start";
}

TEST_F(CorvelaPanelTest, ButtonsAtTheirPlaces) {
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    for (int i = 0; i < 10; ++i) {
        const RECT r = suite::ChildRect(panel, 2000 + i);
        EXPECT_TRUE(::EqualRect(&r, &kButtons[i])) << "control " << 2000 + i << " at " << r.left << ","
                                                   << r.top << "," << r.right << "," << r.bottom;
    }
    const RECT close = suite::ChildRect(panel, 3000);
    const RECT closeExpected = {187, 8, 199, 20};
    EXPECT_TRUE(::EqualRect(&close, &closeExpected));
    // Eight checked items: all item buttons show, neither arrow does.
    for (int id = 2001; id <= 2008; ++id) EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(panel, id))) << id;
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(panel, 2000)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(panel, 2009)));
}

TEST_F(CorvelaPanelTest, PointerRestsOnTheFirstItemAfterTheFirstShow) {
    ASSERT_NE(nullptr, StartPanel());
    EXPECT_TRUE(SamePoint(Spot(1), suite::PointerPos())) << Show(suite::PointerPos());
}

// With a pointer capture tool running, the panel only goes to the top of the ordinary windows.
TEST_F(CorvelaPanelTest, NotTopmostBesideAPointerCaptureTool) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "MouseCaptureWndClass";
    ::RegisterClassA(&wc);
    HWND tool = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_NE(nullptr, tool);
    HWND panel = StartPanel();
    EXPECT_NE(nullptr, panel);
    if (panel) {
        EXPECT_FALSE(suite::IsTopmost(panel));
    }
    ::DestroyWindow(tool);
    ::UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

TEST_F(CorvelaPanelTest, SecondStartClosesThePanelAndBothEnd) {
    ASSERT_NE(nullptr, StartPanel());
    ASSERT_TRUE(suite::FileExists(index_));
    suite::ProgramRun second = suite::ProgramRun::Start("Corvela.exe");
    ASSERT_TRUE(second.Started());
    EXPECT_TRUE(second.WaitForExit(kCloseTimeoutMs)) << "the second start must end at once";
    ExpectClosed();
    // And the next start opens a fresh panel.
    EXPECT_NE(nullptr, StartPanel());
}

enum class CloseWay { Escape, CloseButton, PanelCloseMessage, ClickOutside, OtherWindowActivated };

std::string CloseWayName(const ::testing::TestParamInfo<CloseWay>& info) {
    static const char* const kNames[] = {"Escape", "CloseButton", "PanelCloseMessage", "ClickOutside",
                                         "OtherWindowActivated"};
    return kNames[static_cast<int>(info.param)];
}

class CorvelaCloseTest : public CorvelaPanelTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(CorvelaCloseTest, ClosesAndRemovesTheIndexFile) {
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    ASSERT_TRUE(suite::FileExists(index_));
    HWND other = nullptr;
    switch (GetParam()) {
        case CloseWay::Escape:
            suite::PressKey(VK_ESCAPE);
            break;
        case CloseWay::CloseButton:
            suite::ClickAt(kPlaced.left + 193, kPlaced.top + 14);
            break;
        case CloseWay::PanelCloseMessage:
            ::PostMessageA(panel, kPanelClose, 0, 0);
            break;
        case CloseWay::ClickOutside:
            suite::ClickAt(300, 300);
            break;
        case CloseWay::OtherWindowActivated:
            other = ::CreateWindowExA(0, "STATIC", "Other", WS_POPUP | WS_VISIBLE | WS_BORDER, 100, 100, 200,
                                      100, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
            ASSERT_NE(nullptr, other);
            ::SetForegroundWindow(other);
            break;
    }
    ExpectClosed();
    if (other) ::DestroyWindow(other);
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, CorvelaCloseTest,
                         ::testing::Values(CloseWay::Escape, CloseWay::CloseButton,
                                           CloseWay::PanelCloseMessage, CloseWay::ClickOutside,
                                           CloseWay::OtherWindowActivated),
                         CloseWayName);

// Three checked items: Down walks to the third and stops there, Up walks back and stops at the
// first (the UP arrow is hidden). The pointer follows the selection.
TEST_F(CorvelaPanelTest, UpAndDownStayWithinTheList) {
    WriteStandInStore(3);
    ASSERT_NE(nullptr, StartPanel());
    struct Step {
        WORD key;
        int expectedIndex;
    } steps[] = {{VK_DOWN, 2}, {VK_DOWN, 3}, {VK_DOWN, 3}, {VK_UP, 2}, {VK_UP, 1}, {VK_UP, 1}, {VK_DOWN, 2}};
    int n = 0;
    for (const Step& s : steps) {
        suite::PressKey(s.key);
        const POINT want = Spot(s.expectedIndex);
        EXPECT_TRUE(suite::WaitUntil([&] { return SamePoint(suite::PointerPos(), want); }, 2000))
            << "step " << n << ": pointer at " << Show(suite::PointerPos()) << ", expected " << Show(want);
        // A key that does nothing must not move it later either.
        EXPECT_TRUE(suite::NeverWithin([&] { return !SamePoint(suite::PointerPos(), want); }, 150))
            << "step " << n;
        ++n;
    }
    EXPECT_NE(nullptr, ::FindWindowA(nullptr, kPanelTitle)) << "arrow keys must not close the panel";
}

// A hover report selects the button under the reported point: Down then goes on from there.
TEST_F(CorvelaPanelTest, HoverReportSelectsTheButtonUnderThePoint) {
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    // The real pointer goes to the background first: whatever late movement reports still
    // arrive then name a point outside every button and change nothing.
    const POINT background = {kPlaced.left + 30, kPlaced.top + 30};
    suite::MovePointer(background.x, background.y);
    ASSERT_TRUE(suite::WaitUntil([&] { return SamePoint(suite::PointerPos(), background); }, 2000));
    suite::Settle(300);
    const POINT fifth = {kPlaced.left + 100, kPlaced.top + kButtons[5].top + 10};
    ::PostMessageA(panel, kPanelHover, static_cast<WPARAM>(fifth.x), static_cast<LPARAM>(fifth.y));
    suite::Settle(150);
    suite::PressKey(VK_DOWN);
    EXPECT_TRUE(suite::WaitUntil([] { return SamePoint(suite::PointerPos(), Spot(6)); }, 2000))
        << Show(suite::PointerPos());

    // A report outside every button changes nothing.
    ::PostMessageA(panel, kPanelHover, static_cast<WPARAM>(kPlaced.left + 2),
                   static_cast<LPARAM>(kPlaced.top + 2));
    suite::Settle(150);
    suite::PressKey(VK_UP);
    EXPECT_TRUE(suite::WaitUntil([] { return SamePoint(suite::PointerPos(), Spot(5)); }, 2000))
        << Show(suite::PointerPos());
}

// Enter presses the selected item only while the pointer is over the panel; the press of a
// user's item closes the panel.
TEST_F(CorvelaPanelTest, EnterPressesTheSelectedItemOnlyWithThePointerInside) {
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    suite::MovePointer(300, 300);
    ASSERT_TRUE(suite::WaitUntil([] { return SamePoint(suite::PointerPos(), POINT{300, 300}); }, 2000));
    suite::Settle(200);
    suite::PressKey(VK_RETURN);
    EXPECT_TRUE(suite::NeverWithin([&] { return ::FindWindowA(nullptr, kPanelTitle) != panel; }, 700))
        << "Enter outside the panel closed it";
    EXPECT_TRUE(run_.Running());

    suite::MovePointer(Spot(2).x, Spot(2).y);
    ASSERT_TRUE(suite::WaitUntil([] { return SamePoint(suite::PointerPos(), Spot(2)); }, 2000));
    suite::Settle(200);
    suite::PressKey(VK_RETURN);
    ExpectClosed();
}

// One Enter is one press, also after the arrow keys have moved the focus: the item's program
// starts once.
TEST_F(CorvelaPanelTest, EnterPressesOnce) {
    suite::ScratchFolder folder("corvela-enter");
    const std::string program = folder.Join("Item3.exe");
    const std::string log = folder.Join("item3.log");
    ASSERT_NO_FATAL_FAILURE(suite::InstallStub(folder.Path(), "Item3.exe", log));
    suite::SetString("Software\\Brevant\\Corvela\\Stand-in 03", "Path", program.c_str());

    ASSERT_NE(nullptr, StartPanel());
    suite::PressKey(VK_DOWN);
    suite::PressKey(VK_DOWN);
    ASSERT_TRUE(suite::WaitUntil([] { return SamePoint(suite::PointerPos(), Spot(3)); }, 2000));
    suite::Settle(200);
    suite::PressKey(VK_RETURN);
    ExpectClosed();
    suite::WaitForText(log, " end ", 5000);
    // A second start would come later still.
    EXPECT_TRUE(suite::NeverWithin([&] { return suite::LogLinesWith(log, " start").size() > 1; }, 1000));
    EXPECT_EQ(1u, suite::LogLinesWith(log, " start").size()) << suite::ReadFileText(log);
}

// F1 is nobody's key here: the panel stays, the selection stays.
TEST_F(CorvelaPanelTest, F1DoesNothing) {
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    suite::PressKey(VK_F1);
    const auto moved = [&] {
        return ::FindWindowA(nullptr, kPanelTitle) != panel || !SamePoint(Spot(1), suite::PointerPos());
    };
    EXPECT_TRUE(suite::NeverWithin(moved, 500));
    EXPECT_EQ(panel, ::FindWindowA(nullptr, kPanelTitle));
    EXPECT_TRUE(SamePoint(Spot(1), suite::PointerPos())) << Show(suite::PointerPos());
    suite::PressKey(VK_DOWN);
    EXPECT_TRUE(suite::WaitUntil([] { return SamePoint(suite::PointerPos(), Spot(2)); }, 2000));
}

// Pressing on the background drags the panel; a display change puts it back in its place.
TEST_F(CorvelaPanelTest, DraggedByTheBackgroundAndPlacedAgainOnADisplayChange) {
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    const POINT grip = {kPlaced.left + 30, kPlaced.top + 30};  // background, no button there
    ASSERT_TRUE(suite::DragWindow(panel, grip, -300, 50)) << "the press on the background did not start a move";
    EXPECT_TRUE(suite::WaitUntil([&] { return suite::DraggedTo(panel, kPlaced, -300, 50); }, 3000))
        << "panel at " << suite::WindowRect(panel).left << "," << suite::WindowRect(panel).top;
    ASSERT_EQ(panel, ::FindWindowA(nullptr, kPanelTitle)) << "dragging closed the panel";

    ::PostMessageA(panel, WM_DISPLAYCHANGE, 24, MAKELPARAM(1024, 768));
    EXPECT_TRUE(suite::WaitUntil(
        [&] {
            RECT r = suite::WindowRect(panel);
            return ::EqualRect(&r, &kPlaced);
        },
        3000));
}

// Without the firmware the panel does not open, and nothing of it is left behind.
TEST_F(CorvelaPanelTest, NoFirmwareConnectionNoPanel) {
    SimSet("FailConnect", 1);
    run_ = suite::ProgramRun::Start("Corvela.exe");
    ASSERT_TRUE(run_.Started());
    bool appeared = false;
    const bool ended = suite::WaitUntil(
        [&] {
            if (HWND w = ::FindWindowA(nullptr, kPanelTitle)) appeared = appeared || ::IsWindowVisible(w);
            return !run_.Running();
        },
        kStartTimeoutMs);
    EXPECT_TRUE(ended) << "Corvela.exe must end";
    EXPECT_FALSE(appeared);
    EXPECT_EQ(nullptr, ::FindWindowA(nullptr, kPanelTitle));
    EXPECT_FALSE(suite::FileExists(index_));
}

}  // namespace

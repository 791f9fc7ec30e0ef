// The display-output dialog in this process, against the firmware simulator, over a window of the
// test's own that plays the panel (titled "Corvela", so that the dialog's request to take the
// pointer back reaches it). The dialog runs modeless here, so that the test can drive it with real
// messages between its own steps; its ends are the same.
#include <gtest/gtest.h>

#include <memory>

#include "Application.h"
#include "GdiplusSession.h"
#include "ItemsTestSupport.h"
#include "MonitorDlg.h"
#include "MonitorWindow.h"
#include "PanelWindow.h"

namespace {

int g_reselects = 0;

LRESULT CALLBACK PanelStandIn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == UWM_PANEL_RESELECT) ++g_reselects;
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

const DWORD kWordBefore = 0x40;  // none of the three outputs
const DWORD kWords[3] = {0x10000, 0x20000, 0x30000};

class MonitorDlgTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { gdiplus_ = new CGdiplusSession; }
    static void TearDownTestSuite() {
        delete gdiplus_;
        gdiplus_ = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(SimulatorRegistered());
        SetSimWord("FailConnect", 0);
        SetSimWord("0_230", kWordBefore);
        SetSimWord("Writes", 0);
        SetSimWord("Connections", 0);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &PanelStandIn;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "MonitorDlgTestPanel";
        ::RegisterClassA(&wc);
        panel_ = ::CreateWindowExA(0, wc.lpszClassName, kPanelTitle, WS_POPUP, 812, 103, 212, 561, nullptr, nullptr,
                                   wc.hInstance, nullptr);
        ASSERT_NE(nullptr, panel_);
        g_reselects = 0;
    }
    void TearDown() override {
        dialog_.reset();
        ::ReleaseCapture();
        if (panel_) ::DestroyWindow(panel_);
        SetSimWord("FailConnect", 0);
        Pump();
    }

    // Makes the dialog over the stand-in panel; it counts how often it says it has ended and how
    // many firmware connections were still held at that moment.
    CMonitorDlg& Open() {
        ended_ = 0;
        connectionsWhenEnded_ = ~0u;
        dialog_ = std::make_unique<CMonitorDlg>(panel_, [this] {
            ++ended_;
            connectionsWhenEnded_ = SimWord("Connections", 0);
        });
        EXPECT_TRUE(dialog_->Create(panel_));
        Pump();
        return *dialog_;
    }

    // The program's loop in short: pre-translation first, as the dialog's keys need.
    static void Pump() {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (fw::PreTranslate(msg)) continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    static void PumpFor(DWORD ms) {
        const DWORD start = ::GetTickCount();
        do {
            Pump();
            ::Sleep(10);
        } while (::GetTickCount() - start < ms);
    }
    // A key as the user types it: to the window with the focus, through the loop.
    static void Key(WORD vk) {
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, vk, 1);
        Pump();
    }
    void Command(int id) {
        ::PostMessageA(dialog_->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        Pump();
    }
    // The pointer entering at the client point `at` of the dialog, as a button reports it.
    void Hover(POINT at) {
        ::ClientToScreen(dialog_->Handle(), &at);
        ::PostMessageA(dialog_->Handle(), UWM_MONITOR_HOVER, static_cast<WPARAM>(at.x), static_cast<LPARAM>(at.y));
        Pump();
    }
    bool Shown() const { return ::IsWindowVisible(dialog_->Handle()) != FALSE; }

    static CGdiplusSession* gdiplus_;
    HWND panel_ = nullptr;
    std::unique_ptr<CMonitorDlg> dialog_;
    int ended_ = 0;
    DWORD connectionsWhenEnded_ = ~0u;
};
CGdiplusSession* MonitorDlgTest::gdiplus_ = nullptr;

// A click and an Enter that was already on its way: one write, one request to the panel, and the
// firmware connection let go before the panel hears of the end.
TEST_F(MonitorDlgTest, ChoiceWritesOnceLetsTheFirmwareGoAndAsksThePanelBack) {
    for (int tile = 0; tile < 3; ++tile) {
        SCOPED_TRACE(tile);
        SetSimWord("Writes", 0);
        g_reselects = 0;
        CMonitorDlg& dialog = Open();
        EXPECT_EQ(1u, SimWord("Connections", 0));
        Command(1000 + tile);
        Command(1000 + tile);
        EXPECT_EQ(kWords[tile], SimWord("0_230"));
        EXPECT_EQ(1u, SimWord("Writes"));
        EXPECT_EQ(1, ended_);
        EXPECT_EQ(0u, connectionsWhenEnded_) << "the choice kept the firmware connection";
        EXPECT_EQ(1, g_reselects);
        EXPECT_EQ(IDOK, dialog.Result());
        EXPECT_EQ(tile, dialog.ChosenTile());
        EXPECT_FALSE(Shown());
    }
}

TEST_F(MonitorDlgTest, EveryCloseWritesNothingAndPostsNothing) {
    enum class How { CloseButton, Escape, CloseFromOutside, CloseAction };
    const struct {
        How how;
        const char* what;
    } closes[] = {{How::CloseButton, "close button"},
                  {How::Escape, "Escape"},
                  {How::CloseFromOutside, "WM_CLOSE"},
                  {How::CloseAction, "CloseAction"}};
    for (const auto& c : closes) {
        SCOPED_TRACE(c.what);
        g_reselects = 0;
        CMonitorDlg& dialog = Open();
        switch (c.how) {
            case How::CloseButton:
                Command(1003);
                break;
            case How::Escape:
                Key(VK_ESCAPE);
                break;
            case How::CloseFromOutside:
                ::PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
                Pump();
                break;
            case How::CloseAction:
                dialog.CloseAction();
                Pump();
                break;
        }
        EXPECT_EQ(1, ended_);
        EXPECT_EQ(0u, connectionsWhenEnded_);
        EXPECT_EQ(IDCANCEL, dialog.Result());
        EXPECT_FALSE(Shown());
        Command(1001);  // a tile command after the end changes nothing
        EXPECT_EQ(1, ended_);
        EXPECT_EQ(0u, SimWord("Writes"));
        EXPECT_EQ(kWordBefore, SimWord("0_230"));
        EXPECT_EQ(0, g_reselects);
    }
}

// With the pointer over no tile (the close button), Enter does nothing and the arrows come back
// to the tiles from the end they point to.
TEST_F(MonitorDlgTest, KeysNeverActOnATileThatDoesNotExist) {
    CMonitorDlg& dialog = Open();
    PumpFor(500);  // the pointer the dialog moved onto its first tile has reported by now
    const POINT overClose = {310, 14};
    const struct {
        bool hoverClose;
        WORD key;
        int selected;  // afterwards
        int focusId;   // 0: not checked
    } steps[] = {
        {true, VK_RETURN, monitor::kNoTile, 0},
        {false, VK_DOWN, 0, 1000},
        {true, VK_UP, 2, 1002},
        {true, VK_RETURN, monitor::kNoTile, 0},
    };
    int n = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE(++n);
        if (s.hoverClose) Hover(overClose);
        if (s.hoverClose) {
            EXPECT_EQ(monitor::kNoTile, dialog.selectedTile);
        }
        Key(s.key);
        EXPECT_EQ(s.selected, dialog.selectedTile);
        if (s.focusId) {
            EXPECT_EQ(::GetDlgItem(dialog.Handle(), s.focusId), ::GetFocus());
        }
        EXPECT_TRUE(Shown());
        EXPECT_EQ(0u, SimWord("Writes"));
    }
    // Back on a tile, Enter chooses it.
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(kWords[0], SimWord("0_230"));
    EXPECT_EQ(1u, SimWord("Writes"));
}

// Without the firmware the dialog ends at once as if closed, shows nothing and writes nothing,
// whatever reaches it afterwards.
TEST_F(MonitorDlgTest, WithoutTheFirmwareItEndsAtOnceAsClosed) {
    SetSimWord("FailConnect", 1);
    CMonitorDlg& dialog = Open();
    EXPECT_EQ(1, ended_);
    EXPECT_EQ(IDCANCEL, dialog.Result());
    RECT r;
    ::GetWindowRect(dialog.Handle(), &r);
    EXPECT_TRUE(::IsRectEmpty(&r)) << "an empty box was shown";
    EXPECT_EQ(nullptr, ::FindWindowA(nullptr, kMonitorTitle));
    Command(1000);
    Key(VK_RETURN);
    EXPECT_EQ(0u, SimWord("Writes"));
    EXPECT_EQ(0, g_reselects);
}

// A press on the background starts the system's move loop with the point in screen coordinates,
// as the non-client message wants it.
TEST_F(MonitorDlgTest, DraggingStartsFromTheScreenPoint) {
    CMonitorDlg& dialog = Open();
    ::SendMessageA(dialog.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 25));
    MSG posted = {};
    ASSERT_TRUE(::PeekMessageA(&posted, dialog.Handle(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    POINT expected = {250, 25};
    ::ClientToScreen(dialog.Handle(), &expected);
    EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), posted.wParam);
    EXPECT_EQ(MAKELPARAM(expected.x, expected.y), posted.lParam);
    EXPECT_NE(MAKELPARAM(250, 25), posted.lParam) << "the dialog is not at the screen's corner";
}

}  // namespace

// What only the display-output dialog's own process can see, against the firmware simulator: the
// choice writes once however many commands arrive and lets the firmware go before the panel hears
// of the end, and a press on the background hands the move loop a screen point. (Its user's paths
// are system tests.) The dialog runs modeless here, so that the test can drive it step by step.
#include <gtest/gtest.h>

#include "Application.h"
#include "ItemsTestSupport.h"
#include "MonitorDlg.h"

namespace {

class MonitorDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SimulatorRegistered());
        for (const char* name : {"FailConnect", "Writes", "Connections"}) SetSimWord(name, 0);
        SetSimWord("0_230", 0x40);
        ASSERT_TRUE(dialog_.Create(nullptr));
        ASSERT_EQ(1u, SimWord("Connections", 0));
    }

    static void Pump() {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (fw::PreTranslate(msg)) continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }

    int ended_ = 0;
    DWORD connectionsWhenEnded_ = ~0u;
    CMonitorDlg dialog_{nullptr, [this] {
                            ++ended_;
                            connectionsWhenEnded_ = SimWord("Connections", 0);
                        }};
};

// A click and an Enter already on its way: one write, and the connection is gone by the time the
// dialog says it has ended.
TEST_F(MonitorDlgTest, ChoiceWritesOnceAndLetsTheFirmwareGoFirst) {
    for (int i = 0; i < 2; ++i) ::PostMessageA(dialog_.Handle(), WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED), 0);
    Pump();
    EXPECT_EQ(0x20000u, SimWord("0_230"));
    EXPECT_EQ(1u, SimWord("Writes"));
    EXPECT_EQ(1, ended_);
    EXPECT_EQ(0u, connectionsWhenEnded_) << "the choice kept the firmware connection";
    EXPECT_EQ(IDOK, dialog_.Result());
}

// The non-client message wants screen coordinates; a client point would make the dialog jump to
// the pointer at the first move.
TEST_F(MonitorDlgTest, DraggingStartsFromTheScreenPoint) {
    ::SendMessageA(dialog_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 25));
    MSG posted = {};
    ASSERT_TRUE(::PeekMessageA(&posted, dialog_.Handle(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    POINT expected = {250, 25};
    ::ClientToScreen(dialog_.Handle(), &expected);
    ASSERT_NE(250, expected.x) << "the dialog stands at the screen's corner";
    EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), posted.wParam);
    EXPECT_EQ(MAKELPARAM(expected.x, expected.y), posted.lParam);
    dialog_.CloseAction();
}

}  // namespace

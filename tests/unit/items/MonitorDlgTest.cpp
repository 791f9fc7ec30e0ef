// What only the display-output dialog's own process can see, against the firmware simulator: run
// as the panel runs it (its sub-dialog), a choice writes once however many commands arrive and
// lets the firmware go before Run returns to the panel, and the panel's Close ends it without a
// write; a press on the background hands the move loop a screen point. (Its user's paths are
// system tests.)
#include <gtest/gtest.h>

#include "ItemsTestSupport.h"
#include "MonitorDlg.h"
#include "SubDialog.h"

namespace {

class MonitorDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SimRegistered());
        for (const char* name : {"FailConnect", "Writes", "Connections"}) SimSet(name, 0);
        SimSet("0_230", 0x40);
    }
};

// What happens inside the modal run, once the dialog is up: a timer of the thread fires in the
// dialog's own message loop.
struct InsideRun {
    CMonitorDlg* dialog = nullptr;
    bool close = false;  // the panel's Close; else two clicks of the external tile
    DWORD connectionsWhileOpen = ~0u;
    HWND owner = nullptr;
};
InsideRun* g_inside = nullptr;

void CALLBACK ActInsideRun(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!g_inside || !g_inside->dialog->Handle()) return;  // not up yet: the next tick
    ::KillTimer(nullptr, timer);
    g_inside->connectionsWhileOpen = SimGet("Connections", 0);
    g_inside->owner = ::GetWindow(g_inside->dialog->Handle(), GW_OWNER);
    ISubDialog& sub = *g_inside->dialog;
    if (g_inside->close) {
        sub.Close();
    } else {
        for (int i = 0; i < 2; ++i)
            ::PostMessageA(g_inside->dialog->Handle(), WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED), 0);
    }
}

// The panel's view: Run over it, then look. A choice (a click with an Enter already on its way)
// writes once; the panel's Close writes nothing; either way the connection is gone by the time
// Run returns, and the owner the panel gave is the dialog's.
TEST_F(MonitorDlgTest, RunAsThePanelRunsItWritesOnceAndLetsTheFirmwareGoFirst) {
    const struct {
        bool close;
        INT_PTR result;
        DWORD writes, word;
    } cases[] = {{false, IDOK, 1, 0x20000}, {true, IDCANCEL, 0, 0x40}};
    HWND panel = ::CreateWindowExA(0, "STATIC", "panel stand-in", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr);
    ASSERT_NE(nullptr, panel);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.close ? "the panel's Close" : "two clicks");
        SimSet("Writes", 0);
        SimSet("0_230", 0x40);
        CMonitorDlg dialog;
        InsideRun inside{&dialog, c.close};
        g_inside = &inside;
        ASSERT_NE(0u, ::SetTimer(nullptr, 0, 20, &ActInsideRun));
        const INT_PTR result = static_cast<ISubDialog&>(dialog).Run(panel);
        g_inside = nullptr;
        EXPECT_EQ(c.result, result);
        EXPECT_EQ(1u, inside.connectionsWhileOpen);
        EXPECT_EQ(panel, inside.owner);
        EXPECT_EQ(0u, SimGet("Connections", 0)) << "the dialog kept the firmware connection";
        EXPECT_EQ(c.writes, SimGet("Writes"));
        EXPECT_EQ(c.word, SimGet("0_230"));
        EXPECT_TRUE(::IsWindowEnabled(panel)) << "the owner is given back";
    }
    ::DestroyWindow(panel);
}

// The non-client message wants screen coordinates; a client point would make the dialog jump to
// the pointer at the first move.
TEST_F(MonitorDlgTest, DraggingStartsFromTheScreenPoint) {
    CMonitorDlg dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    ::SendMessageA(dialog.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, 25));
    MSG posted = {};
    ASSERT_TRUE(::PeekMessageA(&posted, dialog.Handle(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    POINT expected = {250, 25};
    ::ClientToScreen(dialog.Handle(), &expected);
    ASSERT_NE(250, expected.x) << "the dialog stands at the screen's corner";
    EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), posted.wParam);
    EXPECT_EQ(MAKELPARAM(expected.x, expected.y), posted.lParam);
    dialog.CloseAction();
    suite::PumpMessages();
}

}  // namespace

// Binding windows to their objects: dialogs created while another dialog is being created, and
// windows of registered classes bound at WM_NCCREATE.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "Dialog.h"
#include "MessageMap.h"
#include "Wait.h"
#include "test_ids.h"

namespace {

// A modeless dialog that notes its initialisation and how many creation hooks were live then.
class InnerDialog : public fw::Dialog {
public:
    InnerDialog() : Dialog(IDD_SIDE) {}
    bool initialised = false;
    int hooksDuringInit = -1;

protected:
    bool OnInitDialog() override {
        initialised = true;
        hooksDuringInit = CreationHooksInstalled();
        return Dialog::OnInitDialog();
    }
};

// Creates an InnerDialog while it is itself being created: from WM_CREATE or WM_INITDIALOG.
class OuterDialog : public fw::Dialog {
public:
    enum class Nest { FromCreate, FromInitDialog };
    explicit OuterDialog(Nest nest) : Dialog(IDD_ROUTING), nest_(nest) {}
    InnerDialog inner;
    bool innerCreated = false;
    bool initialised = false;

protected:
    bool OnInitDialog() override {
        initialised = true;
        if (nest_ == Nest::FromInitDialog) innerCreated = inner.Create(nullptr);
        ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
        return Dialog::OnInitDialog();
    }
    bool OnMessage(const fw::Msg& m, LRESULT& result) override {
        return fw::RouteMessage(this, kMap, m, result) || Dialog::OnMessage(m, result);
    }

private:
    LRESULT OnCreate(const fw::Msg&) {
        LRESULT r = Default();
        if (nest_ == Nest::FromCreate) innerCreated = inner.Create(nullptr);
        return r;
    }
    static const fw::MessageMapEntry<OuterDialog> kMap[];
    Nest nest_;
};
const fw::MessageMapEntry<OuterDialog> OuterDialog::kMap[] = {
    fw::OnMessage(WM_CREATE, &OuterDialog::OnCreate),
    fw::EndMessageMap<OuterDialog>(),
};

class NestedCreation : public ::testing::TestWithParam<OuterDialog::Nest> {};

TEST_P(NestedCreation, BindsEachDialogToItsOwnWindowAndLeavesNoHookBehind) {
    EXPECT_EQ(0, fw::Dialog::CreationHooksInstalled());
    OuterDialog outer(GetParam());
    EXPECT_EQ(IDCANCEL, outer.DoModal());
    EXPECT_TRUE(outer.initialised);
    ASSERT_TRUE(outer.innerCreated);
    EXPECT_TRUE(outer.inner.initialised);
    EXPECT_EQ(2, outer.inner.hooksDuringInit) << "the outer creation's hook and the inner one's";
    ASSERT_NE(nullptr, outer.inner.Handle());
    EXPECT_EQ(&outer.inner, fw::Window::FromHandle(outer.inner.Handle()));

    // Afterwards no creation hook is left: a plain window is nobody's.
    EXPECT_EQ(0, fw::Dialog::CreationHooksInstalled());
    HWND plain = ::CreateWindowExA(0, "BUTTON", "plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, plain);
    EXPECT_EQ(nullptr, fw::Window::FromHandle(plain));
    ::DestroyWindow(plain);
}

INSTANTIATE_TEST_SUITE_P(Framework, NestedCreation,
                         ::testing::Values(OuterDialog::Nest::FromCreate, OuterDialog::Nest::FromInitDialog));

// --- windows of registered classes --------------------------------------------------------------

const char kClassName[] = "fw.test.Recording";
const UINT kThrow = WM_APP + 7;
const UINT kPing = WM_APP + 8;
// Known only once registered, as the shell's "TaskbarCreated" is.
UINT g_registeredPing = 0;

class RecordingWindow : public fw::Window {
public:
    std::vector<std::string> log;
    bool failCreate = false;
    bool* postNcDestroyRan = nullptr;

protected:
    bool OnMessage(const fw::Msg& m, LRESULT& result) override {
        return fw::RouteMessage(this, kMap, m, result) || Window::OnMessage(m, result);
    }
    void PostNcDestroy() override {
        if (postNcDestroyRan) *postNcDestroyRan = true;
    }

private:
    LRESULT OnNcCreate(const fw::Msg&) {
        log.push_back("nccreate");
        return Default();
    }
    LRESULT OnCreate(const fw::Msg&) {
        log.push_back("create");
        return failCreate ? -1 : 0;
    }
    LRESULT OnTimer(const fw::Msg& m) {
        log.push_back("timer " + std::to_string(m.TimerId()));
        ::KillTimer(Handle(), m.TimerId());
        return 0;
    }
    LRESULT OnThrow(const fw::Msg&) { throw std::runtime_error("handler failed"); }
    LRESULT OnPing(const fw::Msg& m) {
        log.push_back("ping");
        return static_cast<LRESULT>(m.wParam) + 1;
    }
    LRESULT OnDestroy(const fw::Msg&) {
        log.push_back("destroy");
        return Default();
    }
    LRESULT OnRegisteredPing(const fw::Msg& m) {
        log.push_back("registered ping");
        return static_cast<LRESULT>(m.wParam) * 2;
    }
    static const fw::MessageMapEntry<RecordingWindow> kMap[];
};
const fw::MessageMapEntry<RecordingWindow> RecordingWindow::kMap[] = {
    fw::OnMessage(WM_NCCREATE, &RecordingWindow::OnNcCreate),
    fw::OnMessage(WM_CREATE, &RecordingWindow::OnCreate),
    fw::OnMessage(WM_TIMER, &RecordingWindow::OnTimer),
    fw::OnMessage(kThrow, &RecordingWindow::OnThrow),
    fw::OnMessage(kPing, &RecordingWindow::OnPing),
    fw::OnMessage(WM_DESTROY, &RecordingWindow::OnDestroy),
    fw::OnRegisteredMessage(g_registeredPing, &RecordingWindow::OnRegisteredPing),
    fw::EndMessageMap<RecordingWindow>(),
};

class RegisteredWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fw::Window::RegisterWindowClass(kClassName)); }
    static bool Create(RecordingWindow& w) {
        return w.Create(kClassName, "recording", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 10, 10);
    }
};

TEST_F(RegisteredWindow, IsBoundFromItsFirstMessageAndRoutesThroughItsMap) {
    bool postNcDestroyRan = false;
    RecordingWindow w;
    w.postNcDestroyRan = &postNcDestroyRan;
    ASSERT_TRUE(Create(w));
    ASSERT_NE(nullptr, w.Handle());
    EXPECT_EQ(&w, fw::Window::FromHandle(w.Handle()));
    EXPECT_FALSE(w.Create(kClassName, "again", WS_POPUP, 0, 0, 0, 1, 1)) << "one window per object";

    ::SetTimer(w.Handle(), 42, 1, nullptr);
    suite::WaitUntil([&] { return w.log.back() == "timer 42"; }, 2000, 1);
    EXPECT_EQ(6, ::SendMessageA(w.Handle(), kPing, 5, 0));
    // A handler that throws leaves the window working; the exception stays inside.
    EXPECT_EQ(0, ::SendMessageA(w.Handle(), kThrow, 0, 0));
    EXPECT_EQ(1, ::SendMessageA(w.Handle(), kPing, 0, 0));

    HWND hwnd = w.Handle();
    w.Destroy();
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(nullptr, w.Handle());
    EXPECT_TRUE(postNcDestroyRan);
    const std::vector<std::string> expected = {"nccreate", "create", "timer 42", "ping", "ping", "destroy"};
    EXPECT_EQ(expected, w.log);
}

// The table holds the variable, not its value at the table's making: the entry routes once the
// message is registered, and a message of number 0 never reaches it before.
TEST_F(RegisteredWindow, RoutesAMessageRegisteredAfterTheTableWasMade) {
    RecordingWindow w;
    ASSERT_TRUE(Create(w));
    const UINT number = ::RegisterWindowMessageA("fw.test.RegisteredPing");
    ASSERT_NE(0u, number);
    EXPECT_EQ(0, ::SendMessageA(w.Handle(), number, 21, 0)) << "not known to the table yet";
    ::SendMessageA(w.Handle(), 0, 21, 0);
    g_registeredPing = number;
    EXPECT_EQ(42, ::SendMessageA(w.Handle(), number, 21, 0));
    g_registeredPing = 0;
    EXPECT_EQ(1, std::count(w.log.begin(), w.log.end(), "registered ping"));
}

TEST_F(RegisteredWindow, ACreationHandlerThatFailsLeavesTheObjectWithoutAWindow) {
    RecordingWindow w;
    w.failCreate = true;
    EXPECT_FALSE(Create(w));
    EXPECT_EQ(nullptr, w.Handle());
    w.failCreate = false;
    EXPECT_TRUE(Create(w)) << "the object can try again";
}

TEST_F(RegisteredWindow, AnObjectThatGoesFirstTakesItsWindowAlong) {
    HWND hwnd = nullptr;
    {
        RecordingWindow w;
        ASSERT_TRUE(Create(w));
        hwnd = w.Handle();
    }
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(RegisteredWindow, AClassOfAnotherProcedureIsNotTakenOver) {
    EXPECT_FALSE(fw::Window::RegisterWindowClass("BUTTON"));
    RecordingWindow w;
    EXPECT_FALSE(w.Create("BUTTON", "plain", WS_POPUP, 0, 0, 0, 10, 10));
    EXPECT_EQ(nullptr, w.Handle());
}

}  // namespace

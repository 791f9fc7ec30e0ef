// The tray icon against a stand-in shell that does what a desktop does only at its own moments:
// refuse the icon while it starts, time out after taking it, forget every icon when it restarts.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "MessageRecorder.h"
#include "NotifyIconShell.h"
#include "SuiteContract.h"
#include "SystemTray.h"
#include "Wait.h"

namespace {

const UINT kCallback = WM_USER + 10;
const UINT kIconId = 129;
const TrayRetrySchedule kFast = {20, 5000};

// Holds icons by (window, id) as the shell does: an add of an icon it has fails, a modify or a
// delete of one it has not fails. The first `refusals` adds fail; with `refusalsTakeTheIcon` they
// put the icon in all the same, as an add that timed out does; with `modifiesFail` every modify
// fails (times out) too.
class FakeShell : public INotifyIconShell {
public:
    int refusals = 0;
    bool refusalsTakeTheIcon = false;
    bool modifiesFail = false;
    std::set<std::pair<HWND, UINT>> icons;
    std::vector<std::string> calls;
    std::vector<NOTIFYICONDATAA> records;

    bool Add(const NOTIFYICONDATAA& icon) override {
        Note("add", icon);
        if (refusals > 0) {
            --refusals;
            if (refusalsTakeTheIcon) icons.insert(Key(icon));
            return false;
        }
        return icons.insert(Key(icon)).second;
    }
    bool Modify(const NOTIFYICONDATAA& icon) override {
        Note("modify", icon);
        return !modifiesFail && icons.count(Key(icon)) > 0;
    }
    bool Delete(const NOTIFYICONDATAA& icon) override {
        Note("delete", icon);
        return icons.erase(Key(icon)) > 0;
    }

private:
    static std::pair<HWND, UINT> Key(const NOTIFYICONDATAA& icon) { return {icon.hWnd, icon.uID}; }
    void Note(const char* call, const NOTIFYICONDATAA& icon) {
        calls.push_back(call);
        records.push_back(icon);
    }
};

// The calls of `refused` refused tries (an add, then the modify in case the icon is there after
// all) and the add that succeeds.
std::vector<std::string> RefusedThenAdded(int refused) {
    std::vector<std::string> out;
    for (int i = 0; i < refused; ++i) out.insert(out.end(), {"add", "modify"});
    out.push_back("add");
    return out;
}

class SystemTrayTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(nullptr, main_.Handle()); }
    bool CreateIcon(CSystemTray& tray) {
        return tray.CreateTrayIcon(main_.Handle(), nullptr, kCallback, kTrayWindowTitle,
                                   ::LoadIconA(nullptr, IDI_APPLICATION), kIconId);
    }
    FakeShell shell_;
    // Stands in for the frame: notes the closes it is asked for and stays.
    suite::MessageRecorder main_{"main", {WM_CLOSE}};
    int Closes() const { return static_cast<int>(main_.Of(WM_CLOSE).size()); }
};

struct RetryCase {
    const char* name;
    int refusals;
    bool refusalsTakeTheIcon;
    std::vector<std::string> calls;
};

class IconRetry : public SystemTrayTest, public ::testing::WithParamInterface<RetryCase> {};

// However the shell answers at first, the program ends with exactly one icon, owned by its
// notification window, described by a record of the shell's version-2 size.
TEST_P(IconRetry, EndsWithOneIcon) {
    const RetryCase& c = GetParam();
    shell_.refusals = c.refusals;
    shell_.refusalsTakeTheIcon = c.refusalsTakeTheIcon;
    CSystemTray tray(shell_, kFast);
    ASSERT_TRUE(CreateIcon(tray));
    EXPECT_TRUE(suite::WaitUntil([&] { return tray.IconAdded(); }, 3000)) << "the icon never went in";
    EXPECT_FALSE(tray.Retrying());
    EXPECT_EQ(c.calls, shell_.calls);
    const std::set<std::pair<HWND, UINT>> one = {{tray.Handle(), kIconId}};
    EXPECT_EQ(one, shell_.icons);
    for (const NOTIFYICONDATAA& record : shell_.records) {
        EXPECT_EQ(sizeof(void*) == 8 ? 504u : 488u, record.cbSize);
        EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP), record.uFlags);
        EXPECT_EQ(kCallback, record.uCallbackMessage);
        EXPECT_STREQ("Cor Vela", record.szTip);
        EXPECT_NE(nullptr, record.hIcon);
    }
    EXPECT_EQ(0, Closes());
}

INSTANTIATE_TEST_SUITE_P(
    SystemTray, IconRetry,
    ::testing::Values(RetryCase{"TakenAtOnce", 0, false, {"add"}},
                      RetryCase{"RefusedThreeTimes", 3, false, RefusedThenAdded(3)},
                      RetryCase{"TimedOutAfterTakingIt", 1, true, {"add", "modify"}}),
    [](const ::testing::TestParamInfo<RetryCase>& info) { return info.param.name; });

// A shell that never takes the icon: after the limit the trying stops and the main window is told
// to close, which ends the program.
TEST_F(SystemTrayTest, GivesUpAfterTheLimitAndClosesTheProgram) {
    shell_.refusals = 1000000;
    CSystemTray tray(shell_, TrayRetrySchedule{20, 300});
    ASSERT_TRUE(CreateIcon(tray));
    EXPECT_TRUE(tray.Retrying());
    EXPECT_TRUE(suite::WaitUntil([&] { return Closes() > 0; }, 5000)) << "the program was never told to end";
    EXPECT_FALSE(tray.Retrying());
    EXPECT_FALSE(tray.IconAdded());
    const auto attempts = std::count(shell_.calls.begin(), shell_.calls.end(), "add");
    EXPECT_GE(attempts, 5) << "tried again at the interval";
    const std::size_t after = shell_.calls.size();
    EXPECT_TRUE(suite::NeverWithin([&] { return shell_.calls.size() != after; }, 200)) << "no tries after giving up";
    EXPECT_EQ(1, Closes());
}

struct RestartCase {
    const char* name;
    bool shellForgot;    // a real restart: the shell holds no icon any more
    int refusals;        // and refuses so many adds after it
    std::vector<std::string> calls;
};

class ShellRestart : public SystemTrayTest, public ::testing::WithParamInterface<RestartCase> {};

// "TaskbarCreated" puts the icon in again after a restart (trying again while the new shell
// refuses), and leaves the one icon alone when there was no restart.
TEST_P(ShellRestart, TaskbarCreatedLeavesOneIcon) {
    const RestartCase& c = GetParam();
    CSystemTray tray(shell_, kFast);
    ASSERT_TRUE(CreateIcon(tray));
    ASSERT_TRUE(tray.IconAdded());
    shell_.calls.clear();
    if (c.shellForgot) shell_.icons.clear();
    shell_.refusals = c.refusals;

    ::SendMessageA(tray.Handle(), ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(suite::WaitUntil([&] { return tray.IconAdded() && !tray.Retrying(); }, 3000));
    EXPECT_EQ(c.calls, shell_.calls);
    EXPECT_EQ(1u, shell_.icons.size());
}

INSTANTIATE_TEST_SUITE_P(
    SystemTray, ShellRestart,
    ::testing::Values(RestartCase{"AfterARestart", true, 0, {"add"}},
                      RestartCase{"WithoutARestart", false, 0, {"add", "modify"}},
                      RestartCase{"NewShellNotReadyYet", true, 2, RefusedThenAdded(2)}),
    [](const ::testing::TestParamInfo<RestartCase>& info) { return info.param.name; });

// The icon goes with the tray object: also one that a timed-out add put in while the program
// still believed it refused.
TEST_F(SystemTrayTest, TakesItsIconAlongWhenItGoes) {
    for (bool timedOut : {false, true}) {
        SCOPED_TRACE(timedOut ? "icon taken by timed-out adds" : "icon added");
        shell_.icons.clear();
        shell_.refusals = timedOut ? 1000000 : 0;
        shell_.refusalsTakeTheIcon = true;
        shell_.modifiesFail = timedOut;
        HWND window = nullptr;
        {
            CSystemTray tray(shell_, kFast);
            ASSERT_TRUE(CreateIcon(tray));
            window = tray.Handle();
            EXPECT_EQ(!timedOut, tray.IconAdded());
            EXPECT_EQ(1u, shell_.icons.size());
        }
        EXPECT_TRUE(shell_.icons.empty());
        EXPECT_FALSE(::IsWindow(window));
    }
}

}  // namespace

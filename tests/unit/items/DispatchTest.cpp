// A press: the label is looked up among the item keys of the store and the item found is run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FixedRights.h"
#include "ItemDispatch.h"
#include "ItemsTestSupport.h"
#include "RecordingActions.h"

namespace {

using Calls = std::vector<std::string>;

MenuItemRecord BuiltIn(const std::string& name, DWORD command) {
    MenuItemRecord r;
    r.englishName = r.koreanName = name;
    r.system = 1;
    r.systemCmd = command;
    r.check = 1;
    return r;
}

MenuItemRecord UserItem(const std::string& name, const std::string& path) {
    MenuItemRecord r;
    r.englishName = r.koreanName = name;
    r.path = path;
    r.check = 1;
    return r;
}

// The key names of the store in the order the registry enumerates them.
std::vector<std::string> EnumerationOrder(const std::string& keyPath) {
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    char name[260];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof(name);
        if (::RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.push_back(name);
    }
    ::RegCloseKey(key);
    return names;
}

TEST(RunSystemCommandTest, EveryNumberRunsItsOperationAndNothingElse) {
    const struct {
        DWORD number;
        const char* operation;  // null: nothing runs
    } table[] = {
        {2001, "LaunchTunecast"},
        {2002, "LaunchJournal"},
        {2003, "LaunchCeldrift"},
        {2004, "ToggleWirelessLan"},
        {2005, "ToggleBluetooth"},
        {2006, "ShowBrightnessOsd"},
        {2007, "ShowDisplayOutputDialog"},
        {2008, "SuspendSystem"},
        {2009, "HibernateSystem"},
        {2010, "LaunchLoupette"},
        {2011, "LaunchNetquill"},
        {2012, "LaunchAmbrosel"},
        {2013, "OpenTabletPcSettings"},
        {2014, "LaunchOxtane"},
        {0, nullptr},
        {2000, nullptr},
        {2015, nullptr},
        {3000, nullptr},
        {0xFFFFFFFF, nullptr},
    };
    ScratchStore store;
    CFixedRightsProbe admin(true);
    for (const auto& row : table) {
        RecordingActions actions;
        CItemDispatch dispatch(store.Store(), Texts(), admin, actions);
        dispatch.RunSystemCommand(row.number);
        EXPECT_EQ(row.operation ? Calls{row.operation} : Calls{}, actions.calls) << row.number;
    }
}

class RunItemByLabelTest : public ::testing::Test {
protected:
    ScratchStore store_;
    CFixedRightsProbe admin_{true};
    CFixedRightsProbe user_{false};
    RecordingActions actions_;
};

TEST_F(RunItemByLabelTest, ResultsFollowTheItemThatRan) {
    store_.AddItem("Airvane", BuiltIn("Radio", kCmdWirelessLan));
    store_.AddItem("Monitor", BuiltIn("Monitor", kCmdDisplayOutput));
    store_.AddItem("Odd", BuiltIn("Odd", 1234));
    store_.AddItem("Plain", [] {
        MenuItemRecord r = UserItem("Plain", "");
        r.system = 2;
        return r;
    }());
    CItemDispatch dispatch(store_.Store(), Texts(), admin_, actions_);

    const struct {
        const char* label;
        int result;
        Calls calls;
    } cases[] = {
        {"Radio", kRanOther, {"ToggleWirelessLan"}},
        {"Monitor", kRanDisplayOutput, {"ShowDisplayOutputDialog"}},
        {"Odd", kRanOther, {}},    // unknown command: found, nothing runs
        {"Plain", kRanOther, {}},  // "System" other than 1 is a user item; no path, nothing starts
        {"radio", kRanOther, {}},  // byte for byte, case-sensitive
        {"Radio ", kRanOther, {}},
        {"Nobody", kRanOther, {}},
    };
    for (const auto& c : cases) {
        actions_.calls.clear();
        EXPECT_EQ(c.result, dispatch.RunItemByLabel(c.label)) << c.label;
        EXPECT_EQ(c.calls, actions_.calls) << c.label;
    }
}

TEST_F(RunItemByLabelTest, MissingStoreKeyRunsNothing) {
    store_.Remove();
    CItemDispatch dispatch(store_.Store(), Texts(), admin_, actions_);
    EXPECT_EQ(kStoreUnavailable, dispatch.RunItemByLabel("Radio"));
    EXPECT_TRUE(actions_.calls.empty());
}

TEST_F(RunItemByLabelTest, FirstItemInEnumerationOrderWinsOverOrder) {
    // Key names chosen so that the registry's order and the items' "Order" disagree.
    MenuItemRecord b = BuiltIn("Twin", kCmdBluetooth);
    b.order = 1;
    MenuItemRecord a = BuiltIn("Twin", kCmdWirelessLan);
    a.order = 2;
    store_.AddItem("Zeta", b);
    store_.AddItem("Alpha", a);
    const std::vector<std::string> order = EnumerationOrder(store_.KeyPath());
    ASSERT_EQ(2u, order.size());
    const char* expected = order[0] == "Alpha" ? "ToggleWirelessLan" : "ToggleBluetooth";

    CItemDispatch dispatch(store_.Store(), Texts(), admin_, actions_);
    for (int press = 0; press < 3; ++press) dispatch.RunItemByLabel("Twin");
    EXPECT_EQ((Calls{expected, expected, expected}), actions_.calls);
}

TEST_F(RunItemByLabelTest, EmptyLabelFindsNoNamelessItem) {
    MenuItemRecord nameless = BuiltIn("", kCmdSuspend);
    store_.AddItem("Suspend", nameless);
    CItemDispatch dispatch(store_.Store(), Texts(), admin_, actions_);
    EXPECT_EQ(kRanOther, dispatch.RunItemByLabel(""));
    EXPECT_TRUE(actions_.calls.empty());
}

TEST_F(RunItemByLabelTest, DisplayNamesComeFromTheValueOfTheStringTable) {
    MenuItemRecord r = BuiltIn("", kCmdBluetooth);
    r.englishName = "Blue";
    r.koreanName = Ansi("블루");
    store_.AddItem("Bluevane", r);
    CItemDispatch dispatch(store_.Store(), Texts(), admin_, actions_);
    const bool korean = Texts().nameValue == kKoreanNameValue;
    EXPECT_EQ(korean ? "0x412" : "0x409", Texts().nameValue);
    EXPECT_EQ(korean, KoreanInterface());

    dispatch.RunItemByLabel("Blue");
    EXPECT_EQ(korean ? Calls{} : Calls{"ToggleBluetooth"}, actions_.calls);
    actions_.calls.clear();
    dispatch.RunItemByLabel(Ansi("블루").c_str());
    EXPECT_EQ(korean ? Calls{"ToggleBluetooth"} : Calls{}, actions_.calls);
}

TEST_F(RunItemByLabelTest, UserProgramStartsForAnAdministratorOnly) {
    ScratchFolder folder("dispatch");
    const std::string log = folder.Join("user.log");
    InstallStub(folder.Path(), "UserTool.exe", log);
    store_.AddItem("Tool", UserItem("My Tool", folder.Join("UserTool.exe")));

    {
        MessageBoxWatcher boxes;
        CItemDispatch dispatch(store_.Store(), Texts(), user_, actions_);
        EXPECT_EQ(kRanOther, dispatch.RunItemByLabel("My Tool"));
        std::vector<SeenMessage> seen = boxes.Seen();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(Texts().adminOnly, seen[0].text);
        EXPECT_TRUE(seen[0].hasIcon);
    }
    EXPECT_TRUE(NothingStarted(log)) << "nothing may start for a user who is not an administrator";

    MessageBoxWatcher boxes;
    CItemDispatch dispatch(store_.Store(), Texts(), admin_, actions_);
    EXPECT_EQ(kRanOther, dispatch.RunItemByLabel("My Tool"));
    ASSERT_TRUE(WaitForText(log, " end "));
    EXPECT_EQ(1u, LogLinesWith(log, " start").size());
    EXPECT_TRUE(LogLinesWith(log, " arg ").empty()) << ReadFileText(log);
    // No working folder of its own: the panel's.
    char cwd[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof(cwd), cwd);
    EXPECT_EQ(1u, LogLinesWith(log, std::string(" cwd ") + cwd).size()) << ReadFileText(log);
    EXPECT_TRUE(boxes.Seen().empty());
    EXPECT_TRUE(actions_.calls.empty());
}

}  // namespace

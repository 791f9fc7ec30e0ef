// The labels a user who is not an administrator sees, and where a press on them leads.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "DeviceActions.h"
#include "FixedRights.h"
#include "ItemDispatch.h"
#include "ItemPages.h"
#include "ItemsTestSupport.h"
#include "RecordingActions.h"

using namespace items;
using namespace panel;

namespace {

struct LabelPanel : IItemPanel {
    std::map<int, std::string> labels;
    std::map<int, bool> visible;
    void ShowControl(int id, bool show) override { visible[id] = show; }
    void RepaintControl(int) override {}
    void RepaintPanel() override {}
    void SetStateLabel(int, const char*) override {}
    void SetItemLabel(int id, const char* label) override { labels[id] = label; }
    void GiveHighlight(int) override {}
    void MovePointerTo(int, bool) override {}
    void SetSelectedId(int) override {}
    void ResetButtonStates() override {}
    std::vector<std::string> Shown() const {
        std::vector<std::string> out;
        for (int id = kFirstItemId; id <= kLastItemId; ++id)
            if (visible.count(id) && visible.at(id)) out.push_back(labels.at(id));
        return out;
    }
};

TEST(NeutralLabelTest, RewritesRadioCaptionsAndAnythingNamedWireless) {
    const ItemTexts& t = Texts();
    ASSERT_FALSE(t.wireless.empty());
    const struct {
        std::string label, expected;
    } cases[] = {
        {t.wlanOff, t.wlanOnOff},
        {t.wlanOn, t.wlanOnOff},
        {t.wlanOnOff, t.wlanOnOff},
        {t.bluetoothOff, t.bluetoothOnOff},
        {t.bluetoothOn, t.bluetoothOnOff},
        {t.bluetoothOnOff, t.bluetoothOnOff},
        {"My " + t.wireless + " Tool", t.wlanOnOff},
        {t.bluetoothOn + " Headset", t.bluetoothOnOff},
        {"Notepad", "Notepad"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, NeutralLabel(c.label, t)) << c.label;
    if (!KoreanInterface()) {
        EXPECT_EQ("wireless", NeutralLabel("wireless", t));    // case-sensitive
        EXPECT_EQ("Bluetooth", NeutralLabel("Bluetooth", t));  // neither caption inside
    }
    // A table without the texts marks nothing.
    EXPECT_EQ("Wireless", NeutralLabel("Wireless", ItemTexts{}));
}

class LabelRuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        const ItemTexts& t = Texts();
        names_ = {t.wlanOff,     "Notepad",
                  t.bluetoothOn, "My " + t.wireless + " Tool",
                  "A",           "B",
                  "C",           "D",
                  "E",           t.bluetoothOff,
                  t.wlanOn,      "F"};
        index_ = folder_.Join("Pellary.ini");
        ::WritePrivateProfileStringA("Check", "Count", std::to_string(names_.size()).c_str(), index_.c_str());
        for (std::size_t i = 0; i < names_.size(); ++i)
            ::WritePrivateProfileStringA("Check", std::to_string(i + 1).c_str(), names_[i].c_str(),
                                         index_.c_str());
    }
    ScratchFolder folder_{"labels"};
    std::vector<std::string> names_;
    std::string index_;
};

TEST_F(LabelRuleTest, EveryPageOfAUserWhoIsNotAnAdministratorShowsTheNeutralCaptions) {
    const ItemTexts& t = Texts();
    const std::vector<std::string> firstPage = {
        t.wlanOnOff, "Notepad", t.bluetoothOnOff, t.wlanOnOff, "A", "B", "C", "D"};
    const std::vector<std::string> secondPage = {"E", t.bluetoothOnOff, t.wlanOnOff, "F"};

    CFixedRightsProbe user(false);
    LabelPanel panel;
    CItemPages pages(t, user);
    pages.SetPanel(&panel);
    pages.SetIndexFile(index_);
    pages.ShowFirstPage(false);
    EXPECT_EQ(firstPage, panel.Shown());
    pages.PageDown();
    EXPECT_EQ(secondPage, panel.Shown());
    pages.PageUp();
    EXPECT_EQ(firstPage, panel.Shown());
}

TEST_F(LabelRuleTest, AnAdministratorSeesTheLabelsAsListed) {
    CFixedRightsProbe admin(true);
    LabelPanel panel;
    CItemPages pages(Texts(), admin);
    pages.SetPanel(&panel);
    pages.SetIndexFile(index_);
    pages.ShowFirstPage(true);
    EXPECT_EQ(std::vector<std::string>(names_.begin(), names_.begin() + 8), panel.Shown());
    pages.PageDown();
    EXPECT_EQ(std::vector<std::string>(names_.begin() + 8, names_.end()), panel.Shown());
}

// The pages ask for the rights at every press: the start-up verdict covers only the first page.
TEST_F(LabelRuleTest, PageChangesAskTheRightsAfresh) {
    struct Flipping : IRightsProbe {
        mutable int asked = 0;
        bool IsAdministrator() const override { return ++asked % 2 == 0; }
    } rights;
    LabelPanel panel;
    CItemPages pages(Texts(), rights);
    pages.SetPanel(&panel);
    pages.SetIndexFile(index_);
    pages.ShowFirstPage(true);
    EXPECT_EQ(0, rights.asked);
    pages.PageDown();  // asked once: not an administrator
    EXPECT_EQ(1, rights.asked);
    EXPECT_EQ(Texts().bluetoothOnOff, panel.Shown()[1]);
    pages.PageUp();  // asked twice: an administrator
    EXPECT_EQ(Texts().wlanOff, panel.Shown()[0]);
}

// After the neutral captions are stored, a press on any rewritten label finds the radio item.
TEST_F(LabelRuleTest, PressOnARewrittenLabelRunsTheRadioItem) {
    const ItemTexts& t = Texts();
    ScratchStore store;
    MenuItemRecord airvane;
    airvane.system = 1;
    airvane.systemCmd = kCmdWirelessLan;
    store.AddItem(kAirvaneKey, airvane);
    MenuItemRecord bluevane = airvane;
    bluevane.systemCmd = kCmdBluetooth;
    store.AddItem(kBluevaneKey, bluevane);
    MenuItemRecord tool;
    tool.englishName = tool.koreanName = "My " + t.wireless + " Tool";
    tool.path = "C:\\nowhere\\tool.exe";
    store.AddItem("My Wireless Tool", tool);

    CWAcpi acpi;  // not connected: the captions need no firmware
    CSystemPowerControl power;
    CDeviceActions device(acpi, t, store.Store(), power, folder_.Path());
    ASSERT_EQ(1, device.ResetRadioCaptions());

    CFixedRightsProbe user(false);
    LabelPanel panel;
    CItemPages pages(t, user);
    pages.SetPanel(&panel);
    pages.SetIndexFile(index_);
    pages.ShowFirstPage(false);

    RecordingActions actions;
    CItemDispatch dispatch(store.Store(), t, user, actions);
    MessageBoxWatcher boxes;
    for (int id = kFirstItemId; id <= kFirstItemId + 3; ++id)
        dispatch.RunItemByLabel(panel.labels[id].c_str());
    // Wireless caption, Notepad (no such item), Bluetooth caption, the user's "Wireless" tool.
    EXPECT_EQ((std::vector<std::string>{"ToggleWirelessLan", "ToggleBluetooth", "ToggleWirelessLan"}),
              actions.calls);
    EXPECT_TRUE(boxes.Seen().empty()) << "the user's tool is never reached through its rewritten label";
}

}  // namespace
